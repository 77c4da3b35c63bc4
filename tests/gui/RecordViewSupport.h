#pragma once
// A main window whose right pane is the record view, over a database built for the test.

#include "tests/gui/GuiTestSupport.h"

#include "engine/KxCategoryEditor.h"
#include "views/widgets/KxDbRecordCtrl.h"
#include "views/widgets/KxDbRecordView.h"

// Saves a test database under the fixture's directory, after `prepare` had its say.
template <class Prepare>
std::string saveTestDatabase(const TempDir& dir, const std::vector<TestField>& fields, Prepare&& prepare,
                             bool readOnlyMode = false) {
    TestDatabase t(fields);
    prepare(t);
    t.db.fileHeader().setListPaneShare(40);
    KxHeaderChunk& header = t.db.header();
    header.setAttributes(static_cast<std::uint16_t>(readOnlyMode ? header.attributes() | kAttrReadOnlyMode
                                                                 : header.attributes() & ~kAttrReadOnlyMode));
    const std::string path = dir.file("Form.rlv");
    t.db.save(path);
    t.db.close(false);
    return path;
}

class RecordViewFixture : public FrameFixture {
  public:
    RecordViewFixture() {
        view = new KxDbRecordView(doc);
        frame->setPanes(new KxListPlaceholderWidget(doc), view);
        frame->resize(900, 500);
    }
    void openAt(const std::string& path, std::int32_t record) {
        open(path);
        doc.setCurrentRecord(record);
        doc.updateAllViews(KxViewHint::All);
    }
    KxDbRecordCtrl& form() const { return view->form(); }

    KxDbRecordView* view = nullptr;
};
