#include "editors/EditorStrings.h"

const KxStringTable& kxEditorStrings() {
    static const KxStringTable strings = {
        {kxStrFieldEditorTitle, "Field and Form Editor"},
        {kxStrConfirmFieldCancel, "Are you sure you want to cancel your field changes?  You will "
                                  "lose any changes you made."},
        {kxStrMaxFields, "You already have the maximum of %s fields."},
        {kxStrConfirmFieldDelete, "Warning: You will lose all data in this field in all records if "
                                  "you continue. Do you want to continue?"},
        {kxStrConfirmFieldDeleteCaption, "Confirm Field Deletion"},
        {kxStrNoNumberFields, "There are no Number fields defined. There must be at least one "
                              "Number field defined in order to define a Calculation field."},
        {kxStrCalcDepends, "Warning: A Calculation depends on this field. If you change it, the "
                           "Calculation may no longer function as defined."},
        {kxStrTypeChangeLossy, "This action may destroy some of your data in this field for every "
                               "record in the database.  The lost data cannot be recovered."},
        {kxStrTypeChangeImpossible, "This action will destroy all data in this field for every "
                                    "record in the database.  The lost data cannot be recovered."},
        {kxStrNoSumFields, "There are no Sum fields defined. There must be at least one Sum field "
                           "defined in order to define a Grand Total field."},
        {kxStrUpdatingDatabase, "Updating the database"},
        {kxStrCalcEditorTitle, "Calculation Editor"},
        {kxStrNoFieldSpecified, "<no field specified>"},
        {kxStrNoteSum, "Note: The Sum operator adds together all Number or Calculation fields above "
                       "the current field. However, the range being summed stops if it encounters "
                       "another Sum, Average or Grand Total Calculation field."},
        {kxStrNoteAverage, "Note: The Average operator averages all Number or Calculation fields "
                           "above the current field. However, the range being averaged stops if it "
                           "encounters another Sum, Average or Grand Total Calculation field."},
        {kxStrNoteGrandTotal, "Note: The Grand Total operator adds together all Sum fields above the "
                              "current field. It ignores other Number and Calculation fields. "
                              "However, the range being summed stops if it encounters another Grand "
                              "Total Calculation field."},
        {kxStrMultiChoiceTitle, "Multiple Choice List Editor"},
        {kxStrConfirmItemDelete, "Are you sure you want to delete this Multiple Choice Item?"},
        {kxStrConfirmItemDeleteCaption, "Confirm Multiple Choice Item Deletion"},
        {kxStrMaxItems, "You already have the maximum of %s Multiple Choice items."},
        {kxStrListFull, "Your Multiple Choice list has reached the maximum total size allowed.  You "
                        "can modify or delete existing items."},
        {kxStrListNearlyFull, "Your Multiple Choice list is approaching, or has reached, the maximum "
                              "allowed size.  The amount of text you can add to this item may be "
                              "limited."},
        {kxStrListItemTitle, "List Item"},
        {kxStrConfirmItemsCancel, "Are you sure you want to cancel your Multiple Choice changes?  "
                                  "You will lose any changes you made."},
        {kxStrConfirmItemsCancelCaption, "Confirm Multiple Choice Cancellation"},
        {kxStrAllCategories, "All"},
        {kxStrDetailCategoryRecords, "Records in the category %s: "},
        {kxStrCalcOperation, "&Operation:"},
        {kxStrMoveItemsToUnfiled, "&Move all items to 'Unfiled'"},
        {kxStrDeleteAllItems, "&Delete all items"},
        {kxStrDeleteCategoryTitle, "Delete %1 Category"},
        {kxStrEditCategoriesTitle, "Edit Categories"},
        {kxStrCategoryDelete, "&Delete..."},
        {kxStrCategoryRename, "R&ename..."},
        {kxStrNewCategoryTitle, "New Category"},
        {kxStrDecimalPlaces, "&Decimal Places:"},
        {kxStrDisplayThousandSeparators, "Display &Thousand Separators"},
        {kxStrDisplayCurrencySymbol, "Display C&urrency Symbol"},
        {kxStrDisplaySeconds, "Display &Seconds"},
        {kxStrHideFieldLabel, "&Hide field label in Record Window"},
        {kxStrEditChoiceItems, "Edit &Multiple Choice Items"},
        {kxStrEditCalculation, "&Edit Calculation"},
        {kxStrFieldLabel, "Field &Label:"},
        {kxStrFieldContains, "Field &Contains:"},
        {kxStrFieldTitle, "Field %1"},
        {kxStrListOptionsTitle, "List Options"},
        {kxStrListColumn, "Column %1:"},
        {kxStrListSort, "Sort:"},
        {kxStrCategoryNamePrompt, "&Enter a new category name:"},
        {kxStrRenameCategoryTitle, "Rename Category"},
        {kxStrSortAscending, "Ascending"},
        {kxStrSortDescending, "Descending"},
        {kxStrNoSort, "No Sort"},
        {kxStrListAdd, "&Add"},
        {kxStrListModify, "&Modify"},
        {kxStrListInsert, "&Insert"},
        {kxStrSelectCategoryToRename, "Please select a category before renaming."},
        {kxStrSelectCategoryToDelete, "Please select a category before deleting."},
        {kxStrEnterCategoryName, "Please enter a category name."},
        {kxStrCategoryExists, "'%s' is already a category."},
        {kxStrCategoryExistsCaption, "Category Exists"},
        {kxStrCategoryLimit, "No more than %s categories are allowed."},
        {kxStrConfirmCategoryMerge,
         "You have renamed the category to one that already exists. This will merge those two categories. Do you wish to continue?"},
        {kxStrMergeCategoryCaption, "Merge Category"},
        {kxStrConfirmCategoryItemsDelete,
         "Are you sure you want to delete all the items in the category?"},
        {kxStrDeleteCategoryCaption, "Delete Category"},
    };
    return strings;
}
