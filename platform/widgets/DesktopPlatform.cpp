#include "platform/widgets/DesktopPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QWidget *dialogParent() {
    if (QWidget *w = QApplication::activeModalWidget()) return w;
    return QApplication::activeWindow();
}

}  // namespace

MsgAnswer DesktopPlatform::messageBox(const QString &text, const QString &title, MsgIcon icon,
                                      MsgButtons buttons) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::None:
            break;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case MsgButtons::RetryCancel:
            box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNoDefaultNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Retry:
            return MsgAnswer::Retry;
        default:
            return MsgAnswer::Cancel;
    }
}

void DesktopPlatform::beep() {
    QApplication::beep();
}

void DesktopPlatform::setBusyCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

QStringList DesktopPlatform::qtFilters(const QList<FileFilter> &filters) {
    QStringList out;
    for (const FileFilter &f : filters) {
        QString patterns = f.patterns;
        patterns.replace(u';', u' ');
        if (f.description.contains(u'(')) {
            out << f.description.left(f.description.indexOf(u'(')).trimmed() +
                       QStringLiteral(" (") + patterns + u')';
        } else {
            out << f.description + QStringLiteral(" (") + patterns + u')';
        }
    }
    return out;
}

QString DesktopPlatform::openFileDialog(const QString &title, const QList<FileFilter> &filters,
                                        int selectedFilter, const QString &initialFolder) {
    const QStringList list = qtFilters(filters);
    QString selected = list.value(selectedFilter);
    return QFileDialog::getOpenFileName(dialogParent(), title, initialFolder,
                                        list.join(QStringLiteral(";;")), &selected);
}

QString DesktopPlatform::saveFileDialog(const QString &title, const QList<FileFilter> &filters,
                                        const QString &suggestedPath) {
    return QFileDialog::getSaveFileName(dialogParent(), title, suggestedPath,
                                        qtFilters(filters).join(QStringLiteral(";;")));
}

QString DesktopPlatform::folderDialog(const QString &title, const QString &initialFolder) {
    return QFileDialog::getExistingDirectory(dialogParent(), title, initialFolder);
}

std::optional<QColor> DesktopPlatform::colorDialog(const QColor &initial) {
    // The custom colours start empty on every call: Qt's dialog would otherwise keep
    // those of earlier calls, and of earlier runs through its own settings.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(Qt::white));
    const QColor c = QColorDialog::getColor(initial, dialogParent());
    if (!c.isValid()) return std::nullopt;
    return c;
}

bool DesktopPlatform::openUrl(const QString &url) {
    QUrl u;
    if (QFileInfo(url).isAbsolute() && QFileInfo::exists(url)) {
        // A local file through the desktop's opener, watched as a started program is, so
        // that "no program for this kind of file" is told apart from an opened file.
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!opener.isEmpty()) return startProgram(opener, {url});
        u = QUrl::fromLocalFile(url);
    } else
        u = QUrl::fromEncoded(url.toUtf8(), QUrl::TolerantMode);
    return QDesktopServices::openUrl(u);
}

bool DesktopPlatform::startProgram(const QString &program, const QStringList &arguments) {
    // The program is watched for a moment: one that cannot work here (no display, a broken
    // installation) ends at once with an error, which is a failure and not an opened file.
    // One still running after that is left to run; this program never stops it.
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted(kWatchMs)) {
        delete process;
        return false;
    }
    if (process->waitForFinished(kWatchMs)) {
        const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
        delete process;
        return ok;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
}

void DesktopPlatform::setClipboardText(const QString &text) {
    QApplication::clipboard()->setText(text);
}

QString DesktopPlatform::clipboardText() {
    return QApplication::clipboard()->text();
}
