#pragma once
// The time value box of the Search Records dialog: a time picker that always holds a
// time. Without seconds (the field hides them) the time read back has second 0.

#include "views/widgets/KxBaseCtrl.h"

#include "engine/KxLocale.h"

#include <QTimeEdit>

class KxTimeCtrl : public QTimeEdit, public KxBaseCtrl {
    Q_OBJECT
  public:
    explicit KxTimeCtrl(bool withSeconds, QWidget* parent = nullptr,
                        const KxLocale& locale = kxLocale());

    bool showsSeconds() const { return withSeconds_; }

    // The read-only switch is the field control's, which also sets the window's.
    using KxBaseCtrl::isReadOnly;
    using KxBaseCtrl::setReadOnly;

    QWidget* widget() override { return this; }

  protected:
    bool event(QEvent* event) override;

    std::optional<FieldValue> readContent() override;
    // A time shows that time; anything else shows the current time.
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;

  private:
    bool withSeconds_;
};
