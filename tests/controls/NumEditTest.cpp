#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "HeadlessDriver.h"
#include "controls/numedit.h"
#include "input.h"

namespace {

// {B0B3345D-5782-48BF-BCF2-2D3E28458859} as its 16 bytes lie in memory.
IID NumEditInterfaceId()
{
    const BYTE bytes[16] = {0x5D, 0x34, 0xB3, 0xB0, 0x82, 0x57, 0xBF, 0x48,
                            0xBC, 0xF2, 0x2D, 0x3E, 0x28, 0x45, 0x88, 0x59};
    IID iid{};
    static_assert(sizeof iid == sizeof bytes);
    std::memcpy(&iid, bytes, sizeof bytes);
    return iid;
}

// Run-time classes for comparison: one known by name and creatable, one known by name
// without a creation function.
class CKnownShape : public CObject {
    DECLARE_DYNAMIC(CKnownShape)
public:
    static CObject* CreateObject() { return new CKnownShape; }
};
const CRuntimeClass CKnownShape::classCKnownShape = {"CKnownShape", sizeof(CKnownShape), 0xFFFF,
                                                     &CKnownShape::CreateObject, RUNTIME_CLASS(CObject)};
CRuntimeClass* CKnownShape::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CKnownShape);
}
const AFX_CLASSINIT g_knownShape(RUNTIME_CLASS(CKnownShape));

class CKnownInert : public CObject {
    DECLARE_DYNAMIC(CKnownInert)
};
IMPLEMENT_DYNAMIC(CKnownInert, CObject)
const AFX_CLASSINIT g_knownInert(RUNTIME_CLASS(CKnownInert));

// An automation object whose dispatch map names one member, for comparison.
class CNamedMember : public CCmdTarget {
public:
    CNamedMember() { EnableAutomation(); }

protected:
    DECLARE_DISPATCH_MAP()
};
BEGIN_DISPATCH_MAP(CNamedMember, CCmdTarget)
    {"Value", 5},
END_DISPATCH_MAP()

TEST(NumEditClass, RecordIsNamedCNumEditAndRestsOnCEdit)
{
    CNumEdit edit;
    CRuntimeClass* record = edit.GetRuntimeClass();
    ASSERT_EQ(record, RUNTIME_CLASS(CNumEdit));
    EXPECT_STREQ(record->m_lpszClassName, "CNumEdit");
    EXPECT_EQ(record->m_nObjectSize, static_cast<int>(sizeof(CEdit)));
    EXPECT_EQ(record->m_wSchema, 0xFFFFu);
    EXPECT_EQ(record->m_pfnCreateObject, nullptr);
    ASSERT_EQ(record->m_pBaseClass, RUNTIME_CLASS(CEdit));
    EXPECT_STREQ(record->m_pBaseClass->m_lpszClassName, "CEdit");
    EXPECT_EQ(record->m_pBaseClass->m_pBaseClass, RUNTIME_CLASS(CWnd));
}

TEST(NumEditClass, CannotBeCreatedFromItsName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CNumEdit"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CNumEdit"), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CNumEdit)->CreateObject(), nullptr);

    // A known class with a creation function is created by name; one without is not.
    CObject* shape = CRuntimeClass::CreateObject("CKnownShape");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->GetRuntimeClass(), RUNTIME_CLASS(CKnownShape));
    delete shape;
    CKnownInert inert;
    EXPECT_EQ(CRuntimeClass::FromName("CKnownInert"), inert.GetRuntimeClass());
    EXPECT_EQ(CRuntimeClass::CreateObject("CKnownInert"), nullptr);
}

TEST(NumEditClass, MessageMapIsEmptyAndFallsThroughToTheWindowsMap)
{
    CNumEdit edit;
    CWnd plain;
    const AFX_MSGMAP* map = static_cast<CCmdTarget&>(edit).GetMessageMap();
    const AFX_MSGMAP* windowMap = static_cast<CCmdTarget&>(plain).GetMessageMap();
    ASSERT_NE(map, windowMap);
    EXPECT_EQ(map->lpEntries[0].nSig, AfxSig_end);
    ASSERT_NE(map->pfnGetBaseMap, nullptr);
    EXPECT_EQ(map->pfnGetBaseMap(), windowMap);
}

TEST(NumEditAutomation, InterfaceIdGivesTheDispatchInterfaceWithNoMembers)
{
    CNumEdit edit;
    IID iid = NumEditInterfaceId();
    LPVOID found = nullptr;
    ASSERT_EQ(edit.InternalQueryInterface(&iid, &found), S_OK);
    LPDISPATCH dispatch = edit.GetIDispatch(FALSE);
    ASSERT_NE(dispatch, nullptr);
    EXPECT_EQ(found, dispatch);

    UINT typeInfos = 99;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&typeInfos), S_OK);
    EXPECT_EQ(typeInfos, 0u);
    OLECHAR value[] = L"Value";
    OLECHAR text[] = L"Text";
    LPOLESTR names[] = {value};
    DISPID id = 7;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_IUnknown, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
    names[0] = text;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_IUnknown, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispatch->Invoke(0, IID_IUnknown, 0, 1, nullptr, nullptr, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);

    // IDispatch itself reaches the same interface; an identifier it does not know, nothing.
    LPVOID again = nullptr;
    EXPECT_EQ(dispatch->QueryInterface(IID_IDispatch, &again), S_OK);
    EXPECT_EQ(again, dispatch);
    IID other = iid;
    other.Data4[7] ^= 1;
    LPVOID none = &edit;
    EXPECT_EQ(dispatch->QueryInterface(other, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(dispatch->Release(), 2u);
    EXPECT_EQ(dispatch->Release(), 1u);
}

TEST(NumEditAutomation, AMemberInADispatchMapIsFoundByNameInAnyCase)
{
    CNamedMember named;
    OLECHAR value[] = L"vALUE";
    LPOLESTR names[] = {value};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(named.GetIDispatch(FALSE)->GetIDsOfNames(IID_IUnknown, names, 1, 0, &id), S_OK);
    EXPECT_EQ(id, 5);

    CNumEdit edit;
    EXPECT_EQ(edit.GetIDispatch(FALSE)->GetIDsOfNames(IID_IUnknown, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
}

TEST(NumEditAutomation, PlainEditAnswersNeitherIdentifier)
{
    CEdit edit;
    IID iid = NumEditInterfaceId();
    LPVOID found = &edit;
    EXPECT_EQ(edit.InternalQueryInterface(&iid, &found), E_NOINTERFACE);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(edit.InternalQueryInterface(&IID_IDispatch, &found), E_NOINTERFACE);
    EXPECT_EQ(edit.GetIDispatch(TRUE), nullptr);
}

// A parent that records its children's notifications.
std::vector<std::pair<int, int>> g_notifications;

LRESULT RecordingParentProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND)
        g_notifications.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return DefWindowProc(hWnd, msg, wParam, lParam);
}

class NumEditWindowTest : public ::testing::Test {
protected:
    NumEditWindowTest()
    {
        g_notifications.clear();
        WNDCLASS parentClass{0, RecordingParentProc, "NumEditParent"};
        RegisterClass(&parentClass);
        parent = CreateWindowEx(0, "NumEditParent", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    }
    ~NumEditWindowTest() override { DestroyWindow(parent); }

    HWND NewEdit(DWORD style = 0)
    {
        return CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_TABSTOP | style, 0, 0, 50, 12, parent,
                              reinterpret_cast<HMENU>(1003), nullptr, nullptr);
    }

    HeadlessDriver driver;
    HWND parent;
};

// Sees whether PostNcDestroy ran.
class CProbeNumEdit : public CNumEdit {
public:
    int postNcDestroyRuns = 0;

protected:
    void PostNcDestroy() override { ++postNcDestroyRuns; }
};

TEST_F(NumEditWindowTest, LastReleaseDestroysTheWindow)
{
    CNumEdit edit;
    HWND hWnd = NewEdit();
    ASSERT_TRUE(edit.Attach(hWnd));
    LPDISPATCH dispatch = edit.GetIDispatch(TRUE);
    EXPECT_EQ(dispatch->Release(), 1u);
    EXPECT_TRUE(IsWindow(hWnd));
    EXPECT_EQ(edit.InternalRelease(), 0u);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(NumEditWindowTest, LastReleaseWithoutAWindowRunsPostNcDestroyOnce)
{
    CProbeNumEdit edit;
    EXPECT_EQ(edit.InternalRelease(), 0u);
    EXPECT_EQ(edit.postNcDestroyRuns, 1);
    EXPECT_EQ(edit.InternalRelease(), 0u);
    EXPECT_EQ(edit.postNcDestroyRuns, 1);
}

TEST_F(NumEditWindowTest, MessagesReachTheEditControl)
{
    CNumEdit edit;
    ASSERT_TRUE(edit.Attach(NewEdit(ES_NUMBER)));
    edit.SetWindowText("125");
    EXPECT_EQ(g_notifications, (std::vector<std::pair<int, int>>{{1003, EN_CHANGE}}));
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "125");

    edit.SendMessage(EM_SETSEL, 1, 2);
    DWORD start = 0;
    DWORD end = 0;
    edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 2u);

    // The object's own map takes none of them: each goes on to the edit.
    LRESULT result = 0;
    for (UINT message : {WM_SETTEXT, WM_GETTEXT, WM_CHAR, WM_KEYDOWN, EM_SETSEL, WM_PAINT})
        EXPECT_FALSE(edit.OnWndMsg(message, 0, 0, &result)) << message;

    // The edit's own rule: typed non-digits are refused.
    UserTypeText(edit.m_hWnd, "7a");
    edit.GetWindowText(text);
    EXPECT_EQ(text, "175");
    edit.DestroyWindow();
}

}  // namespace
