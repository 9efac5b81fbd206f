#include "live_preview.h"

#include "messages.h"
#include "notebook.h"
#include "option_item.h"
#include "options.h"
#include "pass_host.h"
#include "preview_panel.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolTip>

namespace tarvendi::ui {

namespace {

// Calls changed on every change of a field of page: its texts (the editable drop-downs' and the
// number boxes' included), its choices, its check boxes and its editable memos.
void watch_fields(QWidget *page, QObject *context, const std::function<void()> &changed) {
    for (QLineEdit *edit : page->findChildren<QLineEdit *>())
        QObject::connect(edit, &QLineEdit::textChanged, context, changed);
    for (QComboBox *box : page->findChildren<QComboBox *>())
        QObject::connect(box, &QComboBox::currentIndexChanged, context, changed);
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>())
        if (button->isCheckable())
            QObject::connect(button, &QAbstractButton::toggled, context, changed);
    for (QPlainTextEdit *memo : page->findChildren<QPlainTextEdit *>())
        if (!memo->isReadOnly())
            QObject::connect(memo, &QPlainTextEdit::textChanged, context, changed);
}

} // namespace

LivePreview::LivePreview(Notebook &notebook, PassHost &host, const QAbstractItemModel &working,
                         PreviewPanel &preview, QObject *parent)
    : QObject(parent)
    , notebook_(notebook)
    , host_(host)
    , working_(working)
    , preview_(preview)
    , caption_(preview.findChild<QLabel *>(QStringLiteral("Label26"))) {
    setObjectName(QStringLiteral("LivePreview"));
    if (caption_)
        caption_->installEventFilter(this);
    timer_.setSingleShot(true);
    timer_.setInterval(kDelay);
    connect(&timer_, &QTimer::timeout, this, &LivePreview::preview);

    for (int index = 0; index < notebook.count(); ++index) {
        QPushButton *button = notebook.preview_button(index);
        if (!button)
            continue;
        QWidget *page = notebook.widget(index);
        // A page that is not shown changes too (the range and sequence pages share their start
        // number); only the page shown previews.
        watch_fields(page, this, [this, page] {
            if (notebook_.currentWidget() == page)
                changed();
        });
        // Pressed by hand, the button has just previewed what a pending live preview would.
        connect(button, &QPushButton::clicked, &timer_, &QTimer::stop);
    }
    connect(&notebook, &QTabWidget::currentChanged, this, &LivePreview::changed);

    connect(&working, &QAbstractItemModel::dataChanged, this, &LivePreview::working_list_changed);
    connect(&working, &QAbstractItemModel::rowsInserted, this, &LivePreview::working_list_changed);
    connect(&working, &QAbstractItemModel::rowsRemoved, this, &LivePreview::working_list_changed);
    connect(&working, &QAbstractItemModel::rowsMoved, this, &LivePreview::working_list_changed);
    connect(&working, &QAbstractItemModel::modelReset, this, &LivePreview::working_list_changed);
    connect(&working, &QAbstractItemModel::layoutChanged, this, &LivePreview::working_list_changed);
}

void LivePreview::set_on(bool on) {
    on_ = on;
    if (on)
        changed();
    else
        timer_.stop();
}

void LivePreview::changed() {
    if (on_ && notebook_.preview_button(notebook_.currentIndex()))
        timer_.start();
}

void LivePreview::working_list_changed() {
    // An execute's refresh fills the working list with the new names. Previewing the rule on
    // them again would only put its outcome ("已改名 …") out of sight.
    if (host_.executing()) {
        timer_.stop();
        return;
    }
    changed();
}

void LivePreview::preview() {
    QPushButton *button = notebook_.preview_button(notebook_.currentIndex());
    if (!on_ || !button)
        return;
    // A user action is still running (it waits in a dialog or paints a long pass's progress):
    // a pass must not start inside it, so try again after another pause.
    if (ActionRunner::running() || QApplication::activeModalWidget()) {
        timer_.start();
        return;
    }
    if (static_cast<std::size_t>(working_.rowCount()) > limit_) {
        tell(tr("超过 %1 个文件，请按“%2”").arg(limit_).arg(button->text()));
        return;
    }
    // The preview list would show names that the fields no longer make: it goes with the box.
    const QuietMessages quiet([this](const QString &text) {
        host_.clear_preview();
        tell(text);
    });
    button->click();
}

void LivePreview::tell(const QString &text) {
    told_ = QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
    // The caption has one line beside the column's title; a long message (a pattern's error
    // with its detail) would widen the column and squeeze the working list.
    shown_ = caption_ ? caption_->fontMetrics().elidedText(told_, Qt::ElideRight, caption_->width())
                      : told_;
    preview_.tell(shown_);
}

bool LivePreview::eventFilter(QObject *watched, QEvent *event) {
    // Only while the caption still shows the message cut short: what was told since is whole.
    // The type first: the caption's last events come while it is destroyed, when it may no
    // longer be looked at as a label.
    if (event->type() == QEvent::ToolTip && watched == caption_ && shown_ != told_ &&
        caption_->text() == shown_) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), told_, caption_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

LivePreview *add_live_preview(QMenu &menu, Notebook &notebook, PassHost &host,
                              const QAbstractItemModel &working, PreviewPanel &preview) {
    auto *live = new LivePreview(notebook, host, working, preview, &notebook);
    option_item(&menu, "N22", LivePreview::tr("实时预览"), live_preview(), [live](bool on) {
        set_live_preview(on);
        live->set_on(on);
    });
    live->set_on(live_preview());
    return live;
}

} // namespace tarvendi::ui
