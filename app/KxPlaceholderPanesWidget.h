#pragma once
// Stand-ins for the list view and the record view until those exist: empty panes that
// receive what the frame routes to them and remember it, and that play the list view's part
// at load by sending the stored pane share (0x601 with lParam 1).

#include "app/KxPaneWidgets.h"

#include <vector>

class KxDbDoc;

struct KxRoutedMessage {
    KxViewMessage message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

class KxListPlaceholderWidget : public KxListPaneWidget {
    Q_OBJECT
  public:
    explicit KxListPlaceholderWidget(KxDbDoc& doc, QWidget* parent = nullptr);

    void onMessage(KxViewMessage message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void onUpdate(KxViewHint hint) override;

    std::vector<KxRoutedMessage> received;
    std::vector<KxViewHint> hints;

  private:
    KxDbDoc& doc_;
};

class KxRecordPlaceholderWidget : public KxRecordPaneWidget {
    Q_OBJECT
  public:
    explicit KxRecordPlaceholderWidget(QWidget* parent = nullptr);

    void onMessage(KxViewMessage message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void onUpdate(KxViewHint hint) override { hints.push_back(hint); }

    std::vector<KxRoutedMessage> received;
    std::vector<KxViewHint> hints;
};
