#pragma once
// The progress box of long operations: caption "Rolva", a status line, a bar, "N% Complete"
// and Cancel. It is a window of its own over the main window, which stays disabled while the
// box is up, and it lets pending events through on every step so that Cancel can be pressed.

#include "base/KxUi.h"
#include "app/WaitProgress.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

class KxWaitBoxWidget : public QDialog, public KxWaitBox {
    Q_OBJECT
  public:
    // Shows itself at once, centred over owner (may be null); ui asks the Cancel question.
    KxWaitBoxWidget(QWidget* owner, KxUi& ui, const std::string& status);
    ~KxWaitBoxWidget() override;

    void setStatus(const std::string& text) override;
    void setProgress(std::uint64_t done, std::uint64_t total) override;
    bool cancelled() override { return cancelled_; }

    QString statusText() const;
    QString percentText() const;
    int barValue() const;
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    // Escape and the window's close button count as Cancel.
    void reject() override;

  private:
    void askCancel();
    void pumpEvents();

    KxUi& ui_;
    QPointer<QWidget> owner_;
    bool ownerWasEnabled_ = false;
    bool cancelled_ = false;
    bool asking_ = false;
    KxForwardProgress progress_;
    QLabel* status_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
