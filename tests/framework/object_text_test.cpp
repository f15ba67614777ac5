// Run-time classes and the framework's text type.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "framework/framework.h"
#include "framework_tests_ids.h"

namespace {

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int m_radius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(RuntimeClass, KindOfFollowsTheBaseChainOnly) {
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, static_cast<int>(sizeof(CCircle)));

    CDialog dialog;
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(dialog.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(dialog.IsKindOf(RUNTIME_CLASS(CFrameWnd)));
}

TEST(RuntimeClass, CreatesObjectsOfTheDynamicClassOfAPrototype) {
    // A row is created from a prototype row's class, without naming the class.
    std::unique_ptr<CShape> prototype = std::make_unique<CCircle>();
    std::unique_ptr<CObject> copy(prototype->GetRuntimeClass()->CreateObject());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(static_cast<CCircle *>(copy.get())->m_radius, 7);

    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
    std::unique_ptr<CObject> wnd(RUNTIME_CLASS(CWnd)->CreateObject());
    EXPECT_NE(wnd, nullptr);
}

TEST(Text, FormatAndConcatenation) {
    CString text;
    text.Format("%s-%03d", "row", 7);
    EXPECT_EQ(text, "row-007");
    text += '!';
    EXPECT_STREQ(static_cast<LPCSTR>(text), "row-007!");
    EXPECT_EQ(CString("a") + "b" + CString("c") + 'd', "abcd");
    CString longer;
    longer.Format("%0300d", 1);
    EXPECT_EQ(longer.GetLength(), 300);
}

TEST(Text, SubstringsClampToTheText) {
    const CString text("Detail Buffer");
    EXPECT_EQ(text.Left(6), "Detail");
    EXPECT_EQ(text.Right(6), "Buffer");
    EXPECT_EQ(text.Mid(7), "Buffer");
    EXPECT_EQ(text.Mid(7, 3), "Buf");
    EXPECT_EQ(text.Left(100), text);
    EXPECT_EQ(text.Mid(50), "");
    EXPECT_EQ(text.Mid(-3, 2), "De");
    EXPECT_EQ(text.Right(-1), "");
    EXPECT_EQ(text[100], '\0');
}

TEST(Text, SearchingAndEditing) {
    CString text("  a|b|c\t ");
    EXPECT_EQ(text.Find('|'), 3);
    EXPECT_EQ(text.Find('|', 4), 5);
    EXPECT_EQ(text.Find("b|"), 4);
    EXPECT_EQ(text.Find('x'), -1);
    EXPECT_EQ(text.ReverseFind('|'), 5);
    text.TrimLeft();
    text.TrimRight();
    EXPECT_EQ(text, "a|b|c");
    EXPECT_EQ(text.Replace("|", " - "), 2);
    EXPECT_EQ(text, "a - b - c");
    text.MakeUpper();
    EXPECT_EQ(text, "A - B - C");
    text.MakeLower();
    EXPECT_EQ(text, "a - b - c");
    EXPECT_EQ(text.Remove(' '), 4);
    EXPECT_EQ(text, "a-b-c");
    CString dots("..x..");
    dots.TrimLeft('.');
    dots.TrimRight(".");
    EXPECT_EQ(dots, "x");
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(CString("abc").Compare("abd"), 0);
}

TEST(Text, BufferAccessForFillingFunctions) {
    CString text("old");
    char *buffer = text.GetBuffer(32);
    std::strcpy(buffer, "filled");
    text.ReleaseBuffer();
    EXPECT_EQ(text.GetLength(), 6);
    EXPECT_EQ(text, "filled");
    text.GetBuffer(10);
    text.ReleaseBuffer(3);
    EXPECT_EQ(text, "fil");
}

TEST(Text, LoadsStringsFromTheResourceModule) {
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_SHEET_CAPTION));
    EXPECT_EQ(text, "Sheet Caption");
    EXPECT_FALSE(text.LoadString(9999));
    EXPECT_TRUE(text.IsEmpty());
}

} // namespace
