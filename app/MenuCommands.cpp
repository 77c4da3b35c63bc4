#include "app/MenuCommands.h"

#include "KxStrings.h"

namespace {
using C = KxCommand;
constexpr KxMenuItem separator{C::Exit, "", ""};
} // namespace

const std::vector<KxMenu>& kxMainMenus() {
    static const std::vector<KxMenu> menus = {
        {"&File",
         {
             {C::NewDatabase, "&New Database...", ""},
             {C::OpenDatabase, "&Open Database...", "Ctrl+O"},
             {C::CloseDatabase, "&Close Database", ""},
             separator,
             {C::Import, "&Import...", ""},
             {C::Export, "&Export...", ""},
             separator,
             {C::Save, "&Save", "Ctrl+S"},
             {C::SaveAs, "Save &As...", ""},
             {C::SaveInstallOnHandheld, "Save/Install on &Handheld...", ""},
             separator,
             {C::Print, "&Print...", "Ctrl+P"},
             separator,
             {C::DatabaseProperties, "&Database Properties...", ""},
             separator,
             {C::Exit, "E&xit", ""},
         }},
        {"&Edit",
         {
             {C::Undo, "&Undo", "Ctrl+Z"},
             separator,
             {C::Cut, "Cu&t", "Ctrl+X"},
             {C::Copy, "&Copy", "Ctrl+C"},
             {C::Paste, "&Paste", "Ctrl+V"},
         }},
        {"&Record",
         {
             {C::ShowRecordInfo, "Show Record &Info...", ""},
             separator,
             {C::NewRecord, "&New Record", "Alt+N"},
             {C::CloneRecord, "&Clone Record", "Alt+C"},
             {C::RestoreRecord, "&Restore Record", ""},
             {C::CopyRecordToClipboard, "Co&py Record to Clipboard", ""},
             {C::ImportClipboard, "I&mport Clipboard...", "Ctrl+M"},
             separator,
             {C::DeleteRecord, "&Delete Record...", "Alt+D"},
             {C::DeleteCategory, "D&elete Category...", ""},
             {C::ShowDeletedRecords, "Sho&w Deleted Records", ""},
             separator,
             {C::SearchRecords, "&Search Records...", "Ctrl+F"},
             {C::ShowAllRecords, "Show &All Records", "Alt+S"},
         }},
        {"&Options",
         {
             {C::FieldAndFormEditor, "&Field and Form Editor...", ""},
             {C::ListOptions, "&List Options...", ""},
             {C::FormOptions, "Form &Options...", ""},
             separator,
             {C::Preferences, "&Preferences...", ""},
         }},
        {"&Help",
         {
             {C::Help, "&Help ", ""},
             separator,
             {C::About, "&About Rolva...", ""},
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
