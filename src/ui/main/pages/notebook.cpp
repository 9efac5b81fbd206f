#include "notebook.h"

#include "extension_page.h"
#include "journal.h"
#include "names_page.h"
#include "padding_page.h"
#include "pass_host.h"
#include "range_page.h"
#include "regex_page.h"
#include "replace_page.h"
#include "sequence_page.h"
#include "special_page.h"
#include "tag_page.h"
#include "tag_rename_page.h"
#include "wildcard_page.h"

#include <QPushButton>

namespace tarvendi::ui {

Notebook::Notebook(PassHost &host, TMP3Info &tags)
    : names_(new NamesPage(host))
    , range_(new RangePage(host))
    , special_(new SpecialPage(host))
    , tags_(new TagPage(host, tags)) {
    setObjectName(QStringLiteral("PageControl1"));
    auto page = [this, &host](const char *name, const QString &caption, QWidget *content,
                              const char *preview_button = nullptr) {
        content->setObjectName(QLatin1String(name));
        addTab(content, caption);
        preview_buttons_.push_back(
            preview_button ? content->findChild<QPushButton *>(QLatin1String(preview_button))
                           : nullptr);
        Q_ASSERT(!preview_button || preview_buttons_.back());
        // The history names a run by the page it was started from. A button is pressed before
        // it is clicked, so the name is there when the page's own reaction runs.
        for (QPushButton *button : content->findChildren<QPushButton *>())
            connect(button, &QPushButton::pressed, this,
                    [&host, caption] { host.journal().describe_next(caption.toStdString()); });
    };
    auto *sequence = new SequencePage(host);
    page("TabSheet7", tr("文本换名"), names_, "Button15");
    page("TabSheet5", tr("通配符改名"), new WildcardPage(host), "Button3");
    page("TabSheet9", tr("替换"), new ReplacePage(host), "Button31");
    page("TabSheet1", tr("字符模糊替换"), range_, "Button9");
    page("TabSheet2", tr("序号替换"), sequence, "Button21");
    // The cleaning panel's preview; the page's other rules ask first or open a dialog.
    page("TabSheet8", tr("特殊改名"), special_, "Button4");
    page("TabSheet4", tr("修改扩展名"), new ExtensionPage(host), "Button7");
    page("TabSheet3", tr("mp3标签"), tags_);
    page("TabSheet6", tr("mp3通配符换名"), new TagRenamePage(host, tags), "Button11");
    page("TabSheet10", tr("数字位补0"), new PaddingPage(host), "Button38");
    page("TabSheet11", tr("正则替换"), new RegexPage(host), "Button41");
    setCurrentIndex(0);
    // The range and sequence pages share one start number. A copy of an equal text changes
    // nothing and emits nothing, so the mirroring ends after one copy.
    connect(range_, &RangePage::start_number_edited, sequence, &SequencePage::set_start_number);
    connect(sequence, &SequencePage::start_number_edited, range_, &RangePage::set_start_number);
}

QPushButton *Notebook::preview_button(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < preview_buttons_.size()
               ? preview_buttons_[static_cast<std::size_t>(index)]
               : nullptr;
}

} // namespace tarvendi::ui
