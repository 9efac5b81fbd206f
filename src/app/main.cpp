#include "language.h"
#include "memory.h"
#include "open_paths.h"
#include "windows.h"

#include <QApplication>
#include <QIcon>
#include <iostream>
#include <string>
#include <vector>

namespace {

using tarvendi::ui::CommandLine;

constexpr int kBadUsage = 2;

QString help_text() {
    return QCoreApplication::translate(
        "CommandLine",
        "用法：tarvendi [Qt 选项] [文件夹 | 文件...]\n"
        "批量给文件或一个文件夹的子文件夹改名。\n"
        "\n"
        "  文件夹       打开这个文件夹\n"
        "  文件...      打开第一个文件所在的文件夹，把其中给出的这些文件按给出的顺序\n"
        "               放进工作列表并勾选；其他文件夹中的文件不取\n"
        "  -h, --help   显示本帮助后退出\n"
        "  --version    显示版本后退出\n"
        "  --           其后的参数都是路径，以“-”开头的也是\n"
        "\n"
        "相对路径从启动时的当前目录算起。也接受 Qt 的标准选项，如 -style、-platform。\n"
        "命令行中改名用 tarvendi-cli（tarvendi-cli --help）。\n");
}

std::vector<std::string> arguments(int argc, char *argv[]) {
    return {argv + 1, argv + argc};
}

} // namespace

int main(int argc, char *argv[]) {
    tarvendi::platform::return_large_blocks_on_free();

    // Help and version are answered before any window exists, so they need no display: a core
    // application is enough for the translation.
    const CommandLine early = tarvendi::ui::parse_command_line(arguments(argc, argv));
    if (early.action == CommandLine::Action::Help || early.action == CommandLine::Action::Version) {
        QCoreApplication core(argc, argv);
        tarvendi::ui::use_language(tarvendi::ui::chosen_language());
        const QString text = early.action == CommandLine::Action::Help
                                 ? help_text()
                                 : QStringLiteral("tarvendi " TARVENDI_VERSION "\n");
        std::cout << text.toStdString() << std::flush;
        return std::cout ? 0 : 1;
    }

    QApplication app(argc, argv);
    tarvendi::ui::use_language(tarvendi::ui::chosen_language());
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvendi"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvendi-128.png")));

    // Qt has taken its own options out of argv by now; whatever begins with "-" is unknown.
    const CommandLine line = tarvendi::ui::parse_command_line(arguments(argc, argv));
    if (line.action == CommandLine::Action::BadOption) {
        std::cerr << "tarvendi: "
                  << QCoreApplication::translate("CommandLine",
                                                 "未知选项：%1（见 tarvendi --help）")
                         .arg(QString::fromLocal8Bit(line.bad_option))
                         .toStdString()
                  << '\n';
        return kBadUsage;
    }
    // Relative paths count from the folder the program was started in, which the windows may
    // leave when it has gone away.
    const tarvendi::ui::PathRequest request =
        tarvendi::ui::sort_paths(tarvendi::ui::absolute_paths(line.paths));
    tarvendi::ui::report_missing(std::cerr, request);

    ApplicationWindows windows;
    windows.Form1.show();
    if (!line.paths.empty())
        windows.Form1.open_paths(request);
    return QApplication::exec();
}
