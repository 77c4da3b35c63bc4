#pragma once
// The page that asks "On which handheld devices do you want to install this database?": a
// check list of handheld users. The Handheld Installation dialog hosts it, and so does the
// New Database wizard; both fill it with kxHandheldChoices and read the ticked users back.

#include "install/HandheldChoices.h"

#include <QWidget>

#include <string>
#include <vector>

class QListWidget;

class KxHandheldInstallChildDialog : public QWidget {
    Q_OBJECT
  public:
    explicit KxHandheldInstallChildDialog(QWidget* parent = nullptr);

    // Lists the users in this order, each ticked or not.
    void setChoices(const std::vector<KxHandheldChoice>& choices);
    // The ticked users, in list order.
    std::vector<std::string> tickedUsers() const;

    QListWidget& checkList() const { return *list_; }

  private:
    QListWidget* list_ = nullptr;
};
