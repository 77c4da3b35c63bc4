#include "editors/widgets/KxRenameCategoryDialog.h"

#include "engine/KxCategoryEditor.h"
#include "base/KxUi.h"
#include "editors/EditorStrings.h"
#include "views/widgets/KxQtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

KxRenameCategoryDialog::KxRenameCategoryDialog(QWidget* parent, KxUi& ui, const QString& initial,
                                               const std::optional<QString>& title,
                                               const std::optional<QString>& label)
    : QDialog(parent), ui_(ui), label_(new QLabel(label.value_or(kxQtString(kxStrCategoryNamePrompt)), this)),
      edit_(new QLineEdit(initial, this)) {
    setWindowTitle(title.value_or(kxQtString(kxStrRenameCategoryTitle)));
    edit_->setObjectName(QStringLiteral("categoryName"));
    edit_->setMaxLength(static_cast<int>(KxCategoryEditor::kMaxNameLength));
    edit_->setMinimumWidth(edit_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
    label_->setBuddy(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &KxRenameCategoryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &KxRenameCategoryDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    edit_->selectAll();
    edit_->setFocus(Qt::OtherFocusReason);
}

void KxRenameCategoryDialog::accept() {
    const QString trimmed = edit_->text().trimmed();
    if (trimmed.isEmpty()) {
        ui_.message(kxString(kxStrEnterCategoryName), windowTitle().toStdString(), KxButtons::Ok, KxIcon::Warning,
                    KxAnswer::Ok);
        edit_->setFocus(Qt::OtherFocusReason);
        return;
    }
    text_ = trimmed;
    QDialog::accept();
}
