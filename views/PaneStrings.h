#pragma once
// The numbered texts of the list and the form: kxString() finds them in every program that
// includes this header.

#include "engine/KxStrings.h"

// The last entry of both category boxes; choosing it opens the category editor.
inline constexpr int kxStrEditCategoriesItem = 3101;

// The texts of the list and the form (Qt's %1, %2 for their arguments).
inline constexpr int kxStrLookUp = 3102;
inline constexpr int kxStrShowAll = 3103;
inline constexpr int kxStrLookUpTip = 3104;
inline constexpr int kxStrCategoryFilterTip = 3105;
inline constexpr int kxStrShowAllTip = 3106;
inline constexpr int kxStrRecordCategoryTip = 3107;

// The form's buttons and their tool tips.
inline constexpr int kxStrNewRecordButton = 3108;
inline constexpr int kxStrNewRecordTip = 3109;
inline constexpr int kxStrCloneButton = 3110;
inline constexpr int kxStrCloneRecordTip = 3111;
inline constexpr int kxStrDeleteRecordTip = 3112;
inline constexpr int kxStrEditButton = 3113;
inline constexpr int kxStrEditRecordTip = 3114;
inline constexpr int kxStrFinishedButton = 3115;
inline constexpr int kxStrFinishedTip = 3116;
inline constexpr int kxStrPermanentlyDeleteButton = 3117;
inline constexpr int kxStrPermanentlyDeleteTip = 3118;
inline constexpr int kxStrUndeleteButton = 3119;
inline constexpr int kxStrUndeleteTip = 3120;

// The list's Look up box.
inline constexpr int kxStrLookupNotAvailable = 3121;

const KxStringTable& kxPaneStrings();
inline const bool kxPaneStringsRegistered = kxRegisterStrings(&kxPaneStrings);
