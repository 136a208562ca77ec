#include "platform/qt/front_end.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/runtime/errors.h"
#include "platform/runtime/threads.h"
#include "platform/ui/desktop.h"

namespace vx::qt {

namespace {

// The toolkit's own texts (file dialog, print dialog) in Russian, where Qt has them.
void loadToolkitTranslation() {
    static QTranslator* translator = nullptr;
    if (translator) return;
    translator = new QTranslator(qApp);
    if (translator->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

}  // namespace

QtFrontEnd::QtFrontEnd() : renderer_(loop_) {
    loadToolkitTranslation();
    QApplication::setQuitOnLastWindowClosed(false);
    previousRenderer_ = ui::desktop().setRenderer(&renderer_);
    previousSink_ = rt::GLOBALERRORS.setSink(&sink_);
}

QtFrontEnd::~QtFrontEnd() {
    ui::desktop().setRenderer(previousRenderer_);
    rt::GLOBALERRORS.setSink(previousSink_);
}

int QtFrontEnd::run() {
    loop_.setAfterStep([] {
        if (ui::desktop().windows().empty() && rt::threadCount() == 0) QApplication::quit();
    });
    loop_.requestStep();
    return QApplication::exec();
}

}  // namespace vx::qt
