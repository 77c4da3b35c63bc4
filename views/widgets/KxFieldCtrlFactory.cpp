#include "views/widgets/KxFieldCtrlFactory.h"

#include "views/widgets/KxCategoryCtrl.h"
#include "views/widgets/KxCheckBoxCtrl.h"
#include "views/widgets/KxDateCtrl.h"
#include "views/widgets/KxDateTimeCtrl.h"
#include "views/widgets/KxMultiChoiceCtrl.h"
#include "views/widgets/KxNumericCtrl.h"
#include "views/widgets/KxTextCtrl.h"
#include "views/widgets/KxTimeCtrl.h"

#include "engine/KxHeaderChunk.h"
#include "engine/KxDbError.h"
#include "engine/values/TypeCodes.h"

#include <new>

namespace {

bool hidesSeconds(const KxFieldCtrlSpec& spec) {
    return (spec.flags & kFlagHideSeconds) != 0;
}
bool thousands(const KxFieldCtrlSpec& spec) {
    return (spec.flags & kFlagThousands) != 0;
}
bool currency(const KxFieldCtrlSpec& spec) {
    return (spec.flags & kFlagCurrency) != 0;
}
// Numbers held as integers have no decimal places.
int decimalsOf(const KxFieldCtrlSpec& spec) {
    return spec.type == kx::type::Integer ? 0 : spec.decimals;
}

KxBaseCtrl* displayCtrl(const KxFieldCtrlSpec& spec, QWidget* parent) {
    KxBaseCtrl* ctrl = nullptr;
    switch (spec.type) {
    case kx::type::LabelOnly:
    case kx::type::Unnamed:
        return nullptr;
    case kx::type::Checkbox:
        ctrl = new KxCheckBoxCtrl(parent);
        break;
    default: {
        auto* text = new KxTextCtrl(KxTextCtrl::Use::Form, parent);
        text->setDisplayFormat(decimalsOf(spec), spec.flags);
        ctrl = text;
    }
    }
    ctrl->setReadOnly(true);
    return ctrl;
}

KxBaseCtrl* editCtrl(const KxFieldCtrlSpec& spec, QWidget* parent) {
    using Use = KxNumericCtrl::Use;
    switch (spec.type) {
    case kx::type::Text:
        return new KxTextCtrl(KxTextCtrl::Use::Form, parent);
    case kx::type::MultipleChoice:
        return new KxMultiChoiceCtrl(spec.items, parent);
    case kx::type::Integer:
    case kx::type::Number:
    case kx::type::Calculation:
        return new KxNumericCtrl(spec.type, decimalsOf(spec), thousands(spec), currency(spec),
                                 Use::Form, parent);
    case kx::type::Date:
        return new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Date, false, parent);
    case kx::type::Time:
        return new KxDateTimeCtrl(KxDateTimeCtrl::Mode::Time, !hidesSeconds(spec), parent);
    case kx::type::Checkbox:
        return new KxCheckBoxCtrl(parent);
    default:
        return nullptr;
    }
}

KxBaseCtrl* searchCtrl(const KxFieldCtrlSpec& spec, QWidget* parent) {
    switch (spec.type) {
    case kAnyField:
    case kx::type::Text:
    case kx::type::MultipleChoice:
        return new KxTextCtrl(KxTextCtrl::Use::Search, parent);
    case kCategoryField:
        return new KxCategoryCtrl(spec.items, parent);
    case kx::type::Integer:
    case kx::type::Number:
    case kx::type::Calculation:
        // A criterion holds a double whatever the number field keeps.
        return new KxNumericCtrl(kx::type::Number, KxNumericCtrl::kSearchDecimals, thousands(spec),
                                 currency(spec), KxNumericCtrl::Use::Search, parent);
    case kx::type::Date:
        return new KxDateCtrl(parent);
    case kx::type::Time:
        return new KxTimeCtrl(!hidesSeconds(spec), parent);
    default:
        return nullptr;
    }
}

// A control that cannot be made is reported as `failure`: the form's as memory exhausted,
// the search dialog's as a window that cannot be created.
template <typename Make> KxBaseCtrl* create(const KxFieldCtrlSpec& spec, KxDbError failure, Make make) {
    try {
        KxBaseCtrl* ctrl = make();
        if (ctrl != nullptr) ctrl->setFieldNumber(spec.field);
        return ctrl;
    } catch (const std::bad_alloc&) {
        throw failure;
    }
}

} // namespace

KxBaseCtrl* kxCreateFormCtrl(const KxFieldCtrlSpec& spec, QWidget* parent) {
    return create(spec, KxDbError::OutOfMemory, [&] {
        return spec.displayOnly ? displayCtrl(spec, parent) : editCtrl(spec, parent);
    });
}

KxBaseCtrl* kxCreateSearchCtrl(const KxFieldCtrlSpec& spec, QWidget* parent) {
    return create(spec, KxDbError::NoResources, [&] { return searchCtrl(spec, parent); });
}
