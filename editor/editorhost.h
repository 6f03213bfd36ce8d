#pragma once
// What the return editor needs of the window it lives in: a place for the
// return's result text and the actions of the tree's context menus. The
// main window answers both; tests give the editor a host of their own.

class CString;
class QMenu;

class EditorHost
{
public:
    virtual ~EditorHost() = default;
    // The result of the return shown, for the status bar.
    virtual void showReturnResultInStatus(const CString& text) = 0;
    // Fills the context menu of one kind of tree item (0 slips root, 1 a slip,
    // 10 forms root, 11 a form, 20 notes root, 21 a note).
    virtual void setupContextMenu(int kind, QMenu* menu) = 0;
};
