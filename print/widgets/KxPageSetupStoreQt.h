#pragma once
// The user's page setup in the per-user store (organisation "Vantorquelline", application
// "Rolva", group "PageSetup"): header, footer and margin_top/bottom/left/right as text, and
// the paper and its orientation, which stay the user's own.

#include "print/UserPrintSetup.h"
#include "print/render/PrintPages.h"

class KxPageSetupStoreQt final : public KxPageSetupStore {
  public:
    KxPageSetup read() const override;
    void write(const KxPageSetup& values) override;

    KxPaperChoice paper() const;
    void setPaper(const KxPaperChoice& paper);
};
