#pragma once
// The right pane of the main window: the record form, and below it the row of command
// buttons that follow the display mode and the view mode. A database may give the view a
// read-only mode, in which the form is switched to editing with "Ed&it" and back with
// "F&inished".

#include "app/KxCommandState.h"
#include "app/widgets/KxPaneWidgets.h"
#include "views/KxRecordEditSession.h"

#include <array>
#include <cstdint>

class KxDbDoc;
class KxDbRecordCtrl;
class QPushButton;

class KxDbRecordView : public KxRecordPaneWidget {
    Q_OBJECT
  public:
    using Mode = KxRecordViewMode;
    using Button = KxRecordButton;
    using enum KxRecordButton;
    static constexpr std::size_t kButtonCount = kxRecordButtonCount;

    explicit KxDbRecordView(KxDbDoc& doc, QWidget* parent = nullptr);

    void onUpdate(KxViewHint hint) override;
    void showRecord(std::int32_t index) override;
    void release() override;
    void retake() override;
    void fieldValue(std::size_t field, std::optional<FieldValue> value) override;
    void categoriesChanged() override;

    void commitEdits() override;
    void setHasReadOnlyMode(bool hasMode) override;
    bool isReadOnly() const override { return mode_ == Mode::ReadOnly; }
    void setEditing() override;
    void toggleEditMode() override;
    void restoreRecord() override;

    Mode mode() const { return mode_; }
    void setMode(Mode mode, bool refresh);

    KxDbRecordCtrl& form() const { return *form_; }
    QPushButton* button(Button b) const { return buttons_[static_cast<std::size_t>(b)]; }

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void refreshButtons();

    KxDbDoc& doc_;
    KxDbRecordCtrl* form_ = nullptr;
    std::array<QPushButton*, kButtonCount> buttons_{};
    Mode mode_ = Mode::NoReadOnlyMode;
};
