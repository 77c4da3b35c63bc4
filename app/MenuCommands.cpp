#include "app/MenuCommands.h"

#include "app/AppStrings.h"

namespace {
using C = KxCommand;
constexpr KxMenuItem separator{C::Exit, 0, ""};
} // namespace

const std::vector<KxMenu>& kxMainMenus() {
    static const std::vector<KxMenu> menus = {
        {kxStrMenuFileTitle,
         {
             {C::NewDatabase, kxStrMenuNewDatabase, ""},
             {C::OpenDatabase, kxStrMenuOpenDatabase, "Ctrl+O"},
             {C::CloseDatabase, kxStrMenuCloseDatabase, ""},
             separator,
             {C::Import, kxStrMenuImport, ""},
             {C::Export, kxStrMenuExport, ""},
             separator,
             {C::Save, kxStrMenuSave, "Ctrl+S"},
             {C::SaveAs, kxStrMenuSaveAs, ""},
             {C::SaveInstallOnHandheld, kxStrMenuSaveInstallOnHandheld, ""},
             separator,
             {C::Print, kxStrMenuPrint, "Ctrl+P"},
             separator,
             {C::DatabaseProperties, kxStrMenuDatabaseProperties, ""},
             separator,
             {C::Exit, kxStrMenuExit, ""},
         }},
        {kxStrMenuEditTitle,
         {
             {C::Undo, kxStrMenuUndo, "Ctrl+Z"},
             separator,
             {C::Cut, kxStrMenuCut, "Ctrl+X"},
             {C::Copy, kxStrMenuCopy, "Ctrl+C"},
             {C::Paste, kxStrMenuPaste, "Ctrl+V"},
         }},
        {kxStrMenuRecordTitle,
         {
             {C::ShowRecordInfo, kxStrMenuShowRecordInfo, ""},
             separator,
             {C::NewRecord, kxStrMenuNewRecord, "Alt+N"},
             {C::CloneRecord, kxStrMenuCloneRecord, "Alt+C"},
             {C::RestoreRecord, kxStrMenuRestoreRecord, ""},
             {C::CopyRecordToClipboard, kxStrMenuCopyRecordToClipboard, ""},
             {C::ImportClipboard, kxStrMenuImportClipboard, "Ctrl+M"},
             separator,
             {C::DeleteRecord, kxStrMenuDeleteRecord, "Alt+D"},
             {C::DeleteCategory, kxStrMenuDeleteCategory, ""},
             {C::ShowDeletedRecords, kxStrMenuShowDeletedRecords, ""},
             separator,
             {C::SearchRecords, kxStrMenuSearchRecords, "Ctrl+F"},
             {C::ShowAllRecords, kxStrMenuShowAllRecords, "Alt+S"},
         }},
        {kxStrMenuOptionsTitle,
         {
             {C::FieldAndFormEditor, kxStrMenuFieldAndFormEditor, ""},
             {C::ListOptions, kxStrMenuListOptions, ""},
             {C::FormOptions, kxStrMenuFormOptions, ""},
             separator,
             {C::Preferences, kxStrMenuPreferences, ""},
         }},
        {kxStrMenuHelpTitle,
         {
             {C::Help, kxStrMenuHelp, ""},
             separator,
             {C::About, kxStrMenuAbout, ""},
         }},
    };
    return menus;
}

const std::vector<KxAccelerator>& kxExtraAccelerators() {
    static const std::vector<KxAccelerator> keys = {
        {C::NewRecord, "Ctrl+N"},
        {C::OpenDatabase, "Ctrl+F12"},
        {C::SaveAs, "F12"},
        {C::Save, "Shift+F12"},
        {C::Undo, "Alt+Backspace"},
        {C::Cut, "Shift+Del"},
        {C::Copy, "Ctrl+Ins"},
        {C::Paste, "Shift+Ins"},
        {C::Redo, "Ctrl+Y"},
        {C::Undelete, "Alt+U"},
        {C::PermanentlyDelete, "Alt+P"},
        {C::Edit, "Alt+I"},
        {C::NextRecord, "Alt+PgDown"},
        {C::PreviousRecord, "Alt+PgUp"},
        {C::DeletionLog, "Ctrl+Shift+Alt+D"},
        {C::Help, "F1"},
    };
    return keys;
}

const std::vector<std::optional<KxCommand>>& kxToolbarCommands() {
    static const std::vector<std::optional<KxCommand>> commands = {
        C::OpenDatabase, C::Save,  C::Print,         std::nullopt, C::Undo,
        C::Cut,          C::Copy,  C::Paste,         std::nullopt, C::SearchRecords,
    };
    return commands;
}

KxCommandTexts kxCommandTexts(KxCommand command) {
    const std::string& text = kxString(static_cast<int>(command));
    const auto newline = text.find('\n');
    if (newline == std::string::npos) return {text, {}};
    return {text.substr(0, newline), text.substr(newline + 1)};
}
