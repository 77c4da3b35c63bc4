#pragma once
// The numbered texts of the Field and Form Editor, the Calculation and Multiple Choice List
// Editors and the category dialogs: kxString() finds them in every program that includes
// this header.

#include "KxStrings.h"

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
inline constexpr int kxStrDetailCategoryRecords = 2956;

const KxStringTable& kxEditorStrings();
inline const bool kxEditorStringsRegistered = kxRegisterStrings(&kxEditorStrings);
