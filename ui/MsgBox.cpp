#include "MsgBox.h"

#include <QMessageBox>

#include "App.h"

namespace nv {

namespace {
MsgBoxSink& sinkSlot() {
    static MsgBoxSink sink;
    return sink;
}
}  // namespace

void MsgBox(const QString& text, QWidget* parent, const QString& title) {
    const QString caption = title.isEmpty() ? App::Title() : title;
    if (sinkSlot()) {
        sinkSlot()(text, caption);
        return;
    }
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

MsgBoxSink setMsgBoxSink(MsgBoxSink sink) {
    MsgBoxSink old = std::move(sinkSlot());
    sinkSlot() = std::move(sink);
    return old;
}

}  // namespace nv
