#pragma once
// The three sort commands of the image list (whole path, folder, name), their compare
// functions, and the sort state that toggles between ascending and descending order.
#include <string>
#include <string_view>

#include "core/my_wstrings.h"

namespace tessera {

// The Tag of each sort command: the key an entry is sorted by.
inline constexpr int kSortByFileName = 1;  // the full path
inline constexpr int kSortByPath = 2;      // the folder part, "C:\Pics\"
inline constexpr int kSortByName = 3;      // the file name alone

std::wstring SortKeyOf(int tag, std::wstring_view path);

int CompareFileNameAscending(const TMyWStrings& list, int a, int b);
int CompareFileNameDescending(const TMyWStrings& list, int a, int b);
int ComparePathAscending(const TMyWStrings& list, int a, int b);
int ComparePathDescending(const TMyWStrings& list, int a, int b);
int CompareNameAscending(const TMyWStrings& list, int a, int b);
int CompareNameDescending(const TMyWStrings& list, int a, int b);

// The compare function of a sort state (+tag ascending, -tag descending); null for 0.
using SortCompareFunction = int (*)(const TMyWStrings& list, int a, int b);
SortCompareFunction SortCompareOf(int state);

// The state after using the command with this Tag: the same key flips the direction,
// another key sorts ascending.
int NextSortState(int state, int tag);

// Sorts the list for a command (inside BeginUpdate/EndUpdate) and returns the new state.
int SortFileNames(TMyWStrings& list, int state, int tag);

// A command's caption for a state: any old marker removed, " ▲" or " ▼" on the command
// whose Tag the state names.
std::wstring SortCaption(std::wstring_view caption, int tag, int state);

}  // namespace tessera
