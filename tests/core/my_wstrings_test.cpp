#include "core/my_wstrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/line_text.h"
#include "core/text_compare.h"
#include "support/list_lines.h"

namespace tessera {
namespace {

using testing::Lines;
using testing::Fill;

// Records the messages a list shows for the length of a test.
class MessageRecorder {
public:
    MessageRecorder() {
        previous_ = TMyWStrings::SetMessageHandler([this](const std::wstring& text) { shown.push_back(text); });
    }
    ~MessageRecorder() { TMyWStrings::SetMessageHandler(previous_); }
    std::vector<std::wstring> shown;

private:
    TMyWStringsMessage previous_;
};

class Tracked : public TMyObject {
public:
    explicit Tracked(int& destroyed) : destroyed_(destroyed) {}
    ~Tracked() override { ++destroyed_; }

private:
    int& destroyed_;
};

TEST(MyWStringsTest, AddTextSplitsLinesAndFindsTheBreakStyle) {
    struct Case {
        std::wstring text;
        std::vector<std::wstring> lines;
        LineBreakStyle style;
    };
    const Case cases[] = {
        {L"a\r\nb", {L"a", L"b"}, lbCrLf},
        {L"a\rb\r", {L"a", L"b"}, lbCr},
        {L"a\n\rb", {L"a", L"", L"b"}, lbCrLf},
        {L"a\nb\n", {L"a", L"b"}, lbLf},
        {L"", {}, lbCrLf},
        {L"\r\n\r\n", {L"", L""}, lbCrLf},
        {L"one", {L"one"}, lbCrLf},
        {L"a\r\nb\nc", {L"a", L"b", L"c"}, lbCrLf},
        {std::wstring(L"a\nb\0c\nd", 7), {L"a", L"b"}, lbLf},  // text ends at U+0000
    };
    for (const auto& c : cases) {
        TMyWStrings list;
        list.SetLineBreak(lbCr);
        list.AddText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << ::testing::PrintToString(c.text);
        EXPECT_EQ(list.LineBreak(), c.style) << ::testing::PrintToString(c.text);
    }
}

TEST(MyWStringsTest, GetTextEndsEveryLineWithTheBreak) {
    TMyWStrings list;
    EXPECT_EQ(list.GetText(), L"");
    Fill(list, {L"a", L"b"});
    EXPECT_EQ(list.GetText(), L"a\r\nb\r\n");
    list.SetLineBreak(lbLf);
    EXPECT_EQ(list.GetText(), L"a\nb\n");
    list.SetLineBreak(lbCr);
    EXPECT_EQ(list.GetText(), L"a\rb\r");
    list.SetText(L"x\ny");
    EXPECT_EQ(list.GetText(), L"x\ny\n");  // the style found by the split
}

TEST(MyWStringsTest, IndexOperationsIgnoreIndicesOutOfRange) {
    TMyWStrings list;
    Fill(list, {L"a", L"b"});
    EXPECT_EQ(list.Get(-1), L"");
    EXPECT_EQ(list.Get(2), L"");
    list.Put(5, L"x");
    list.Delete(-1);
    list.Delete(2);
    list.Exchange(0, 7);
    list.Move(0, 9);
    list.SortRange(-5, 99, [](const TMyWStrings& l, int a, int b) {
        return -l.CompareStrings(l.At(a), l.At(b));
    });
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"b", L"a"}));
    EXPECT_EQ(list.GetObject(3), nullptr);
    list.Insert(-4, L"first");
    list.Insert(100, L"last");
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"first", L"b", L"a", L"last"}));
}

TEST(MyWStringsTest, MoveExchangeAndInsertStringsKeepOrder) {
    TMyWStrings list, other;
    Fill(list, {L"a", L"b", L"c", L"d"});
    list.Move(0, 2);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"b", L"c", L"a", L"d"}));
    list.Exchange(0, 3);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"d", L"c", L"a", L"b"}));
    Fill(other, {L"x", L"y"});
    list.InsertStrings(1, other);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"d", L"x", L"y", L"c", L"a", L"b"}));
    list.InsertStrings(99, list);  // itself, at the clamped end
    EXPECT_EQ(list.Count(), 12);
    EXPECT_EQ(list.Get(6), L"d");
}

TEST(MyWStringsTest, OnChangeFiresPerChangeAndBulkOperationsBracketUpdates) {
    TMyWStrings list;
    int changes = 0, maxNesting = 0;
    list.SetOnChange([&](TMyWStrings& l) {
        ++changes;
        maxNesting = std::max(maxNesting, l.UpdateCount());
    });
    list.AddText(L"a\nb\nc");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(maxNesting, 1);  // AddText runs inside BeginUpdate/EndUpdate
    EXPECT_EQ(list.UpdateCount(), 0);
    list.Exchange(0, 1);
    list.Move(0, 2);
    list.Delete(0);
    EXPECT_EQ(changes, 6);
    list.CustomSort([](const TMyWStrings& l, int a, int b) { return l.CompareStrings(l.At(a), l.At(b)); });
    list.Put(0, L"z");
    EXPECT_EQ(changes, 6);  // sorting and Put rewrite lines silently
}

TEST(MyWStringsTest, SortIsStableAndSortsOnlyTheRange) {
    TMyWStrings list;
    Fill(list, {L"k", L"b2", L"a1", L"b1", L"a2", L"a3", L"c1", L"k"});
    // Compare by the first letter only: equal letters keep their order.
    const auto byLetter = [](const TMyWStrings& l, int a, int b) {
        return static_cast<int>(l.At(a)[0]) - static_cast<int>(l.At(b)[0]);
    };
    list.SortRange(1, 6, byLetter);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"k", L"a1", L"a2", L"a3", L"b2", L"b1", L"c1", L"k"}));
    list.CustomSort(byLetter);
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"a1", L"a2", L"a3", L"b2", L"b1", L"c1", L"k", L"k"}));
}

TEST(MyWStringsTest, SortByPathOrdersFoldersFirstAndRemovesDuplicates) {
    TMyWStrings list;
    Fill(list, {L"C:\\y\\a1", L"C:\\x\\img10", L"C:\\x\\img9", L"c:\\X\\IMG9"});
    list.SortByPath();  // the two spellings of img9 are equal: the first one stays
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"C:\\x\\img9", L"C:\\x\\img10", L"C:\\y\\a1"}));
    TMyWStrings range;
    Fill(range, {L"z", L"b10", L"b9", L"b9", L"a"});
    range.SortRangeByPath(1, 3);
    EXPECT_EQ(Lines(range), (std::vector<std::wstring>{L"z", L"b9", L"b9", L"b10", L"a"}));
}

TEST(MyWStringsTest, NameValueAccess) {
    EXPECT_EQ(NameOfLine(L"  key = 5"), L"key");
    EXPECT_EQ(NameOfLine(L"=5"), L"");
    EXPECT_EQ(NameOfLine(L"abc"), L"");
    EXPECT_EQ(NameOfLine(L"a=b=c"), L"a");
    TMyWStrings list;
    list.SetCaseSensitive(true);  // names are found ignoring case all the same
    Fill(list, {L"other=1", L"  key = 5", L"KEY=6"});
    EXPECT_EQ(list.IndexOfName(L"KEY"), 1);
    EXPECT_EQ(list.IndexOfName(L"KEY", 2), 2);
    EXPECT_EQ(list.IndexOfName(L"missing"), -1);
    EXPECT_EQ(list.NameOf(1), L"key");
}

TEST(MyWStringsTest, IndexOfFollowsCaseSensitivity) {
    TMyWStrings list;
    Fill(list, {L"Alpha", L"beta", L"alpha"});
    EXPECT_EQ(list.IndexOf(L"ALPHA"), 0);
    EXPECT_EQ(list.IndexOf(L"alpha", 1), 2);
    EXPECT_EQ(list.IndexOf(L"alpha", -3), 0);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(L"alpha"), 2);
    EXPECT_EQ(list.IndexOf(L"ALPHA"), -1);
}

TEST(MyWStringsTest, SortedListsPlaceLinesAndTreatDuplicates) {
    MessageRecorder messages;
    TMyWStrings list;
    Fill(list, {L"c", L"a", L"B", L"a"});
    list.SetSorted(true);  // sorts and removes duplicates (ignore)
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"a", L"B", L"c"}));
    EXPECT_EQ(list.Add(L"b0"), 3);  // Add answers Count-1, not the position
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"a", L"B", L"b0", L"c"}));
    list.Add(L"A");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(messages.shown.empty());

    list.SetDuplicates(dupError);
    list.Add(L"c");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(messages.shown, std::vector<std::wstring>{kDuplicateMessage});

    list.SetDuplicates(dupAccept);
    list.Add(L"a");  // accepted duplicates are appended, even in a sorted list
    EXPECT_EQ(list.Get(4), L"a");
}

TEST(MyWStringsTest, RemoveDuplicatesComparesNeighbours) {
    TMyWStrings list;
    Fill(list, {L"a", L"A", L"b", L"a", L"a"});
    list.RemoveDuplicates();
    EXPECT_EQ(Lines(list), (std::vector<std::wstring>{L"a", L"b", L"a"}));
}

TEST(MyWStringsTest, OwnedObjectsAreDestroyedAndOthersLeftAlone) {
    int destroyed = 0;
    Tracked kept(destroyed);
    {
        TMyWStrings list;
        list.AddObject(L"borrowed", &kept);
        list.Delete(0);
        list.AddObject(L"borrowed", &kept);
        list.Clear();
        list.AddObject(L"borrowed", &kept);
        EXPECT_EQ(list.GetObject(0), &kept);
    }
    EXPECT_EQ(destroyed, 0);
    {
        TMyWStrings list;
        list.SetOwnsObjects(true);
        list.AddObject(L"a", std::make_unique<Tracked>(destroyed));
        list.AddObject(L"b", std::make_unique<Tracked>(destroyed));
        list.AddObject(L"c", std::make_unique<Tracked>(destroyed));
        list.Exchange(0, 2);
        list.CustomSort([](const TMyWStrings& l, int a, int b) { return l.CompareStrings(l.At(a), l.At(b)); });
        list.Delete(1);
        EXPECT_EQ(destroyed, 1);
        list.SetSorted(true);
        list.SetDuplicates(dupIgnore);
        list.AddObject(L"a", std::make_unique<Tracked>(destroyed));  // refused: the object goes
        EXPECT_EQ(destroyed, 2);
        list.Clear();
        EXPECT_EQ(destroyed, 4);
        list.AddObject(L"z", std::make_unique<Tracked>(destroyed));
    }
    EXPECT_EQ(destroyed, 5);
}

TEST(MyWStringsTest, AssignCopiesTextsNotObjects) {
    int destroyed = 0;
    Tracked object(destroyed);
    TMyWStrings source, target;
    source.AddObject(L"a", &object);
    source.Add(L"b");
    Fill(target, {L"old"});
    target.Assign(source);
    EXPECT_EQ(Lines(target), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(target.GetObject(0), nullptr);
    target.Assign(target);
    EXPECT_EQ(target.Count(), 2);
}

}  // namespace
}  // namespace tessera
