#pragma once
// Stand-ins for the list view and the record view until those exist: empty panes that
// remember what they were asked, and that play the list view's part at load by giving the
// frame the stored pane share.

#include "app/widgets/KxPaneWidgets.h"

#include <optional>
#include <string>
#include <vector>

class KxDbDoc;

class KxListPlaceholderWidget : public KxListPaneWidget {
    Q_OBJECT
  public:
    explicit KxListPlaceholderWidget(KxDbDoc& doc, QWidget* parent = nullptr);

    void onUpdate(KxViewHint hint) override;
    void recordChanged(std::int32_t index, bool categoryOnly) override;
    void categoriesChanged(bool recordsDeleted) override;

    // "recordChanged index categoryOnly", "categoriesChanged recordsDeleted".
    std::vector<std::string> received;
    std::vector<KxViewHint> hints;

  private:
    KxDbDoc& doc_;
};

class KxRecordPlaceholderWidget : public KxRecordPaneWidget {
    Q_OBJECT
  public:
    explicit KxRecordPlaceholderWidget(QWidget* parent = nullptr);

    void onUpdate(KxViewHint hint) override { hints.push_back(hint); }
    void showRecord(std::int32_t index) override;
    void release() override { received.emplace_back("release"); }
    void retake() override { received.emplace_back("retake"); }
    void fieldValue(std::size_t field, std::optional<FieldValue> value) override;
    void categoriesChanged() override { received.emplace_back("categoriesChanged"); }

    // "showRecord index", "release", "retake", "fieldValue field", "categoriesChanged".
    std::vector<std::string> received;
    std::vector<KxViewHint> hints;
    // The value of the last fieldValue.
    std::optional<FieldValue> lastValue;
};
