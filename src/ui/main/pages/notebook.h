#pragma once
// The notebook (PageControl1) with its ten pages, in the order the user knows them. The window
// reaches the few pages it feeds (the range page's start text, the tag shown on selection, the
// name list for the menus) through it; the pages themselves know only their PassHost.

#include <QTabWidget>
#include <vector>

class QPushButton;
class TMP3Info;

namespace tarvendi::ui {

class NamesPage;
class PassHost;
class RangePage;
class SpecialPage;
class TagPage;

class Notebook : public QTabWidget {
    Q_OBJECT
public:
    Notebook(PassHost &host, TMP3Info &tags);

    NamesPage &names() const { return *names_; }
    RangePage &range() const { return *range_; }
    SpecialPage &special() const { return *special_; }
    TagPage &tags() const { return *tags_; }
    // The button that previews the page at index, null for a page that has none (the tag page
    // only edits tags): the live preview presses it.
    QPushButton *preview_button(int index) const;

private:
    std::vector<QPushButton *> preview_buttons_; // by tab index
    NamesPage *names_;
    RangePage *range_;
    SpecialPage *special_;
    TagPage *tags_;
};

} // namespace tarvendi::ui
