#pragma once
// The check box of Checkbox fields. It always has a value: a box the user never touched
// reads as unchecked, never as an empty field.

#include "views/widgets/KxBaseCtrl.h"

#include <QCheckBox>

class QPainter;

class KxCheckBoxCtrl : public QCheckBox, public KxBaseCtrl {
    Q_OBJECT
  public:
    explicit KxCheckBoxCtrl(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

    std::optional<FieldValue> readContent() override;
    void showContent(const FieldValue* value) override;
    void applyReadOnly(bool readOnly) override;
};

// Draws a check mark box, checked or not, vertically centred at the left of area, with a
// focus rectangle around it when asked; shared with labels that show a Checkbox value.
void kxDrawCheckMark(QPainter& painter, const QWidget& widget, const QRect& area, bool checked,
                     bool editable, bool focused);

// The width of the area kxDrawCheckMark needs.
int kxCheckMarkWidth(const QWidget& widget);
