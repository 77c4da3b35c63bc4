#include "views/PaneStrings.h"

const KxStringTable& kxPaneStrings() {
    static const KxStringTable strings = {
        {kxStrEditCategoriesItem, "Edit Categories..."},
        {kxStrLookUp, "Look up:"},
        {kxStrShowAll, "&Show All"},
        {kxStrLookUpTip, "Type the first characters of the first field."},
        {kxStrCategoryFilterTip, "Displays only records in the selected category."},
        {kxStrShowAllTip, "Return to the complete database"},
        {kxStrRecordCategoryTip, "Category for this record"},
        {kxStrNewRecordButton, "&New"},
        {kxStrNewRecordTip, "Create a new record"},
        {kxStrCloneButton, "&Clone"},
        {kxStrCloneRecordTip, "Clone this record"},
        {kxStrDeleteRecordTip, "Delete the current record"},
        {kxStrEditButton, "Ed&it"},
        {kxStrEditRecordTip, "Edit this record"},
        {kxStrFinishedButton, "F&inished"},
        {kxStrFinishedTip, "Finish editing this record"},
        {kxStrPermanentlyDeleteButton, "&Permanently Delete"},
        {kxStrPermanentlyDeleteTip, "Discards record, cannot undo"},
        {kxStrUndeleteButton, "&Undelete"},
        {kxStrUndeleteTip, "Restores record"},
        {kxStrLookupNotAvailable,
         "The \"Look up\" field only operates when you have selected a text, number, or multiple choice field for the first column in the List Window.  Date, time, and checkbox fields do not support look up."},
    };
    return strings;
}
