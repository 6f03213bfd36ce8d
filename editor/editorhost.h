#pragma once
// What the return editor needs of the window it lives in: a place for the
// return's result text, the actions of the tree's context menus and the
// window's Save As. The main window answers them; tests give the editor a
// host of their own.

class CString;
class Form_Return;
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
    // Saves the editor's return under a name the user chooses, as the
    // window's Save As does; true when the file was written. A host
    // without one saves nothing.
    virtual bool saveReturnAs(Form_Return*) { return false; }
};
