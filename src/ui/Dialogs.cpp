// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>
#include <QVariant>

namespace ui {

void QtDialogService::Message(QWidget* parent, const QString& caption, const QString& text,
                              Kind kind) {
    switch (kind) {
        case Kind::Information:
            QMessageBox::information(parent, caption, text);
            return;
        case Kind::Warning:
            QMessageBox::warning(parent, caption, text);
            return;
        case Kind::Error:
            QMessageBox::critical(parent, caption, text);
            return;
    }
}

bool QtDialogService::YesNo(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtDialogService::Prompt(QWidget* parent, const QString& caption, const QString& label,
                             QString& value) {
    bool ok = false;
    QString answer = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, value, &ok);
    if (ok) {
        value = answer;
    }
    return ok;
}

std::optional<QString> QtDialogService::OpenFile(QWidget* parent, const QString& folder,
                                                 const QString& filter, const QString& proposed) {
    QString start = proposed.isEmpty() ? folder : QDir(folder).filePath(proposed);
    QString file = QFileDialog::getOpenFileName(parent, QString(), start, QtFileFilter(filter));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file;
}

std::optional<QString> QtDialogService::SaveFile(QWidget* parent, const QString& proposed,
                                                 const QString& filter, int& choice) {
    const QString filters = QtFileFilter(filter);
    const QStringList items = filters.split(QStringLiteral(";;"));
    QString selected = items.value(choice);
    QString file = QFileDialog::getSaveFileName(parent, QString(), proposed, filters, &selected);
    if (file.isEmpty()) {
        return std::nullopt;
    }
    choice = std::max<int>(0, static_cast<int>(items.indexOf(selected)));
    return file;
}

int QtDialogService::Exec(QDialog& dialog) {
    return dialog.exec();
}

void QtDialogService::OpenUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

void KeepCaptionWhole(QWidget& dialog) {
    // The icon and the close button of a common title bar, with their margins.
    constexpr int kTitleBarExtras = 110;
    const int needed =
        dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + kTitleBarExtras;
    if (dialog.minimumWidth() < needed) {
        dialog.setMinimumWidth(needed);
    }
    if (dialog.width() < needed) {
        dialog.resize(needed, dialog.height());
    }
}

int HelpContextOf(const QObject* object) {
    for (; object; object = object->parent()) {
        bool ok = false;
        int context = object->property("helpContext").toInt(&ok);
        if (ok && context > 0) {
            return context;
        }
    }
    return 0;
}

void SetHelpContext(QObject* object, int context) {
    object->setProperty("helpContext", context);
}

QString QtFileFilter(const QString& filter) {
    QStringList parts = filter.split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        // The text usually repeats the pattern already; Qt reads the one in brackets.
        out << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
    }
    return out.join(";;");
}

bool EnterMovesTo(QWidget* button, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    button->setFocus();
    return true;
}

int AddCaptionedRows(QGridLayout& grid, int firstRow, int column,
                     std::initializer_list<std::pair<const char*, QWidget*>> rows) {
    int row = firstRow;
    for (auto [label, input] : rows) {
        auto* caption = new QLabel(QString::fromUtf8(label));
        caption->setBuddy(input);
        grid.addWidget(caption, row, column);
        grid.addWidget(input, row, column + 1);
        ++row;
    }
    return row;
}

}  // namespace ui
