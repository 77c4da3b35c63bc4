#pragma once
// The numbered texts of the Field and Form Editor, the Calculation and Multiple Choice List
// Editors and the category dialogs: kxString() finds them in every program that includes
// this header.

#include "engine/KxStrings.h"

// The Field and Form Editor, the Calculation Editor and the Multiple Choice List Editor.
inline constexpr int kxStrFieldEditorTitle = 4101;
inline constexpr int kxStrConfirmFieldCancel = 4102;
inline constexpr int kxStrMaxFields = 4103;            // %s: the field limit
inline constexpr int kxStrConfirmFieldDelete = 4104;
inline constexpr int kxStrConfirmFieldDeleteCaption = 4105;
inline constexpr int kxStrNoNumberFields = 4106;
inline constexpr int kxStrCalcDepends = 4107;
inline constexpr int kxStrTypeChangeLossy = 4108;
inline constexpr int kxStrTypeChangeImpossible = 4109;
inline constexpr int kxStrNoSumFields = 4110;
inline constexpr int kxStrUpdatingDatabase = 4111;
inline constexpr int kxStrCalcEditorTitle = 4113;
inline constexpr int kxStrNoFieldSpecified = 4114;
inline constexpr int kxStrNoteSum = 4115;
inline constexpr int kxStrNoteAverage = 4116;
inline constexpr int kxStrNoteGrandTotal = 4117;
inline constexpr int kxStrMultiChoiceTitle = 4118;
inline constexpr int kxStrConfirmItemDelete = 4119;
inline constexpr int kxStrConfirmItemDeleteCaption = 4120;
inline constexpr int kxStrMaxItems = 4121;             // %s: the item limit
inline constexpr int kxStrListFull = 4122;
inline constexpr int kxStrListNearlyFull = 4123;
inline constexpr int kxStrListItemTitle = 4124;
inline constexpr int kxStrConfirmItemsCancel = 4125;
inline constexpr int kxStrConfirmItemsCancelCaption = 4126;
// The category dialogs: the filter entry of every category, a name no category may take.
inline constexpr int kxStrAllCategories = 4401;
inline constexpr int kxStrDetailCategoryRecords = 2956;

// The texts of the editors' dialogs (Qt's %1, %2 for their arguments).
inline constexpr int kxStrCalcOperation = 4402;
inline constexpr int kxStrMoveItemsToUnfiled = 4403;
inline constexpr int kxStrDeleteAllItems = 4404;
inline constexpr int kxStrDeleteCategoryTitle = 4405;
inline constexpr int kxStrEditCategoriesTitle = 4406;
inline constexpr int kxStrCategoryDelete = 4407;
inline constexpr int kxStrCategoryRename = 4408;
inline constexpr int kxStrNewCategoryTitle = 4409;
inline constexpr int kxStrDecimalPlaces = 4410;
inline constexpr int kxStrDisplayThousandSeparators = 4411;
inline constexpr int kxStrDisplayCurrencySymbol = 4412;
inline constexpr int kxStrDisplaySeconds = 4413;
inline constexpr int kxStrHideFieldLabel = 4414;
inline constexpr int kxStrEditChoiceItems = 4415;
inline constexpr int kxStrEditCalculation = 4416;
inline constexpr int kxStrFieldLabel = 4417;
inline constexpr int kxStrFieldContains = 4418;
inline constexpr int kxStrFieldTitle = 4419;
inline constexpr int kxStrListOptionsTitle = 4420;
inline constexpr int kxStrListColumn = 4421;
inline constexpr int kxStrListSort = 4422;
inline constexpr int kxStrCategoryNamePrompt = 4423;
inline constexpr int kxStrRenameCategoryTitle = 4424;

// The sort directions, the list editors' buttons and the category dialogs' reminders.
inline constexpr int kxStrSortAscending = 4425;
inline constexpr int kxStrSortDescending = 4426;
inline constexpr int kxStrNoSort = 4427;
inline constexpr int kxStrListAdd = 4428;
inline constexpr int kxStrListModify = 4429;
inline constexpr int kxStrListInsert = 4430;
inline constexpr int kxStrSelectCategoryToRename = 4431;
inline constexpr int kxStrSelectCategoryToDelete = 4432;
inline constexpr int kxStrEnterCategoryName = 4433;

// The category editor's messages.
inline constexpr int kxStrCategoryExists = 4434;
inline constexpr int kxStrCategoryExistsCaption = 4435;
inline constexpr int kxStrCategoryLimit = 4436;
inline constexpr int kxStrConfirmCategoryMerge = 4437;
inline constexpr int kxStrMergeCategoryCaption = 4438;
inline constexpr int kxStrConfirmCategoryItemsDelete = 4439;
inline constexpr int kxStrDeleteCategoryCaption = 4440;

const KxStringTable& kxEditorStrings();
inline const bool kxEditorStringsRegistered = kxRegisterStrings(&kxEditorStrings);
