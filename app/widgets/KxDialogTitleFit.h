#pragma once
// Dialogs, message boxes and question boxes wide enough for their titles: the window
// manager cuts a title that does not fit beside its buttons, and a small box with a long
// title ("Confirm Record Deletion") would lose its end. Installed once on the application,
// it widens every dialog as it is shown.

#include <QObject>

class QWidget;

class KxDialogTitleFit : public QObject {
    Q_OBJECT
  public:
    explicit KxDialogTitleFit(QObject* parent = nullptr) : QObject(parent) {}

    // The width a window needs to show its whole title in the frame the desktop draws.
    static int titleWidth(const QWidget& window);
    // Widens the window to titleWidth when it is narrower (never beyond its screen).
    static void fit(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
