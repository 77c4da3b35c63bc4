#pragma once
// Preferences: "&Show ToolTips" and "&Allow copying new databases from a handheld to this PC".

#include "app/KxPreferences.h"

#include <QDialog>

class QCheckBox;

class KxPreferencesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit KxPreferencesDialog(const KxPreferences& current, QWidget* parent = nullptr);

    KxPreferences preferences() const;
    QCheckBox* showToolTipsBox() const { return showToolTips_; }
    QCheckBox* allowCopyBox() const { return allowCopy_; }

  private:
    QCheckBox* showToolTips_ = nullptr;
    QCheckBox* allowCopy_ = nullptr;
};
