#pragma once
// TMyWStrings: an ordered list of UTF-16 lines, each with an optional object, with
// name=value access, stable sorting and text splitting/joining. Files are read and written
// through the installed TextFileSystem (core/text_file_system.h).
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_encoding.h"

// <windows.h> defines GetObject as a macro; the list's member keeps its own name, and
// code that sees the macro reaches it through the GetObjectW forwarder below.
#pragma push_macro("GetObject")
#undef GetObject

namespace tessera {

// Root of the objects a list can carry; a list that owns its objects destroys them.
class TMyObject {
public:
    virtual ~TMyObject() = default;
};

class TMyWStrings;

// Negative, 0 or positive for the lines at two indices of the list.
using TMyWStringsCompare = std::function<int(const TMyWStrings& list, int a, int b)>;
using TMyWStringsNotify = std::function<void(TMyWStrings& list)>;
// Shows a message about a failed insertion (the program installs ShowInfo).
using TMyWStringsMessage = std::function<void(const std::wstring& text)>;

enum TMyDuplicates : int { dupIgnore = 0, dupAccept = 1, dupError = 2 };

inline constexpr wchar_t kDuplicateMessage[] = L"文字列リストは重複を許しません";
inline constexpr wchar_t kOutOfMemoryMessage[] = L"データが大きすぎて操作が完了できませんでした";
inline constexpr wchar_t kOperationFailedMessage[] = L"操作が完了できませんでした";

// The text before the first "=", trimmed of characters up to U+0020; empty without "=".
std::wstring NameOfLine(std::wstring_view line);

class TMyWStrings {
public:
    TMyWStrings();
    TMyWStrings(const TMyWStrings&) = delete;
    TMyWStrings& operator=(const TMyWStrings&) = delete;
    virtual ~TMyWStrings();

    // Overridable operations.
    virtual std::wstring Get(int index) const;
    virtual void Put(int index, const std::wstring& s);
    virtual TMyObject* GetObject(int index) const;
    TMyObject* GetObjectW(int index) const { return GetObject(index); }
    virtual void PutObject(int index, TMyObject* object);
    virtual std::wstring GetText() const;
    virtual void SetText(std::wstring_view text);
    virtual void RemoveDuplicates();

    int Add(const std::wstring& s);
    int AddObject(const std::wstring& s, TMyObject* object);
    // Hands the object to a list that owns its objects.
    int AddObject(const std::wstring& s, std::unique_ptr<TMyObject> object);
    void AddStrings(const TMyWStrings& list);
    void AddText(std::wstring_view text);
    void Assign(const TMyWStrings& list);
    virtual void BeginUpdate();
    virtual void EndUpdate();
    virtual void Clear();
    void CustomSort(const TMyWStringsCompare& compare);
    virtual void Delete(int index);
    virtual void Exchange(int i, int j);
    void SortByPath();
    void SortRangeByPath(int from, int to);
    void Insert(int index, const std::wstring& s);
    virtual void InsertItem(int index, const std::wstring& s, TMyObject* object);
    void InsertStrings(int index, const TMyWStrings& list);
    // ReadTextFile then SetText; the one-argument form reads with and updates Encoding.
    void LoadFromFile(const std::wstring& path);
    void LoadFromFile(const std::wstring& path, TextEncoding& encoding);
    // WriteTextFile of GetText; the one-argument form uses Encoding, the three-argument
    // form sets LineBreak first. No message is shown on failure.
    bool SaveToFile(const std::wstring& path);
    bool SaveToFile(const std::wstring& path, TextEncoding encoding);
    bool SaveToFile(const std::wstring& path, TextEncoding encoding, LineBreakStyle lineBreak);
    void SortRange(int from, int to, const TMyWStringsCompare& compare);
    virtual void Move(int from, int to);
    int Count() const { return static_cast<int>(items_.size()); }
    int IndexOf(std::wstring_view s, int start = 0) const;
    int IndexOfName(std::wstring_view name, int start = 0) const;
    std::wstring NameOf(int index) const;
    void SetSorted(bool sorted);

    // The stored line without a copy; an empty string outside the range.
    const std::wstring& At(int index) const;
    // The list's default comparison (case-insensitive unless CaseSensitive).
    int CompareStrings(std::wstring_view a, std::wstring_view b) const;

    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value) { caseSensitive_ = value; }
    bool Sorted() const { return sorted_; }
    TMyDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TMyDuplicates value) { duplicates_ = value; }
    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }
    TextEncoding Encoding() const { return encoding_; }
    void SetEncoding(TextEncoding value) { encoding_ = value; }
    LineBreakStyle LineBreak() const { return lineBreak_; }
    void SetLineBreak(LineBreakStyle value) { lineBreak_ = value; }
    int UpdateCount() const { return updateCount_; }
    void SetOnChange(TMyWStringsNotify handler) { onChange_ = std::move(handler); }

    // Where failed insertions are reported; returns the previous handler.
    static TMyWStringsMessage SetMessageHandler(TMyWStringsMessage handler);

protected:
    void Changed();
    bool InRange(int index) const { return index >= 0 && index < Count(); }

private:
    // Holds the object; when the list does not own it, it is released, never destroyed.
    struct Item {
        std::wstring text;
        std::unique_ptr<TMyObject> object;
    };

    void DropObject(Item& item);
    void InsertAt(int position, const std::wstring& s, std::unique_ptr<TMyObject>& object);
    int InsertPosition(int index, const std::wstring& s) const;

    std::vector<Item> items_;
    bool caseSensitive_ = false;
    bool sorted_ = false;
    TMyDuplicates duplicates_ = dupIgnore;
    bool ownsObjects_ = false;
    TextEncoding encoding_ = teAuto;
    LineBreakStyle lineBreak_ = lbCrLf;
    int updateCount_ = 0;
    TMyWStringsNotify onChange_;
};

// Brackets a bulk change with BeginUpdate/EndUpdate, also when the change throws.
class TMyWStringsUpdate {
public:
    explicit TMyWStringsUpdate(TMyWStrings& list) : list_(list) { list_.BeginUpdate(); }
    TMyWStringsUpdate(const TMyWStringsUpdate&) = delete;
    TMyWStringsUpdate& operator=(const TMyWStringsUpdate&) = delete;
    ~TMyWStringsUpdate() { list_.EndUpdate(); }

private:
    TMyWStrings& list_;
};

}  // namespace tessera

#pragma pop_macro("GetObject")
