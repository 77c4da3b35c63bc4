#pragma once
// The main window's status bar: the message pane (command prompts while a menu item is
// highlighted, else the idle text), "CAP", "NUM", "OVR", "     Record #" and "%d of %d".

#include <QStatusBar>

class QLabel;

class KxStatusBarWidget : public QStatusBar {
    Q_OBJECT
  public:
    explicit KxStatusBarWidget(QWidget* parent = nullptr);

    // What the message pane shows when no prompt is up.
    void setIdleText(const QString& text);
    QString idleText() const;
    // The lock-key panes show their text only while on.
    void setCapsLock(bool on);
    void setNumLock(bool on);
    void setOverwrite(bool on);
    // "%d of %d": the selected row + 1 and the number of rows.
    void setPosition(int selectedRow, int rowCount);

    QString paneText(int pane) const; // 0 message, 1 CAP, 2 NUM, 3 OVR, 4 label, 5 position
    int positionPaneWidth() const;

  private:
    QLabel* addIndicator(const QString& widest, bool framed);

    QLabel* idle_ = nullptr;
    QLabel* caps_ = nullptr;
    QLabel* num_ = nullptr;
    QLabel* overwrite_ = nullptr;
    QLabel* recordLabel_ = nullptr;
    QLabel* position_ = nullptr;
};
