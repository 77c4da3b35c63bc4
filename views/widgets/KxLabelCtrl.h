#pragma once
// Static text on the form: the label of a form item, the text of a Label Only field, or a
// field value shown for reading only. A label made for a Checkbox shows a check mark.
// A label never gives a value back.

#include "views/widgets/KxBaseCtrl.h"

#include <QLabel>

class KxLabelCtrl : public QLabel, public KxBaseCtrl {
    Q_OBJECT
  public:
    explicit KxLabelCtrl(QWidget* parent = nullptr, bool forCheckbox = false);
    KxLabelCtrl(const QString& text, QWidget* parent = nullptr);

    bool isChecked() const { return checked_; }

    QWidget* widget() override { return this; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

    std::optional<FieldValue> readContent() override;
    void showContent(const FieldValue* value) override;

  private:
    bool forCheckbox_ = false;
    bool checked_ = false;
};
