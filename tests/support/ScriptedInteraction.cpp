#include "support/ScriptedInteraction.h"
#include <QPrinter>
#include <QUrl>

namespace kivra {

void ScriptedInteraction::showMessage(Message id, const QString& text, QWidget*)
{
    messages << id;
    messageTexts << text;
}

bool ScriptedInteraction::ask(const QString&, const QString& text, QWidget*)
{
    questions << text;
    return askAnswers.isEmpty() ? true : askAnswers.takeFirst();
}

QString ScriptedInteraction::nextFile(const QString& title, const QString& initialName, const QString& filter)
{
    dialogTitles << title;
    dialogInitialNames << initialName;
    dialogFilters << filter;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedInteraction::openFileName(QWidget*, const QString& title, const QString& initialName,
                                          const QString& filter)
{
    return nextFile(title, initialName, filter);
}

QString ScriptedInteraction::saveFileName(QWidget*, const QString& title, const QString& initialName,
                                          const QString& filter)
{
    return nextFile(title, initialName, filter);
}

std::optional<QFont> ScriptedInteraction::chooseFont(QWidget*, const QFont&) { return fontAnswer; }
std::optional<QColor> ScriptedInteraction::chooseColour(QWidget*, const QColor&) { return colourAnswer; }

bool ScriptedInteraction::openUrl(const QUrl& address)
{
    openedUrls << address.toString();
    return openUrlResult;
}

std::unique_ptr<QPrinter> ScriptedInteraction::defaultPrinter()
{
    if (printerPdfFile.isEmpty())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printerPdfFile);
    return printer;
}

} // namespace kivra
