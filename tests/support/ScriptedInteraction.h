#pragma once
// Stands in for the dialogs: records message ids and answers from queues.
#include "resources/Interaction.h"

namespace kivra {

class ScriptedInteraction : public Interaction {
public:
    QList<Message> messages;
    QStringList messageTexts;
    QStringList fileAnswers;           // taken in order by open/save dialogs; empty list means Cancel
    QStringList dialogTitles;
    QStringList dialogInitialNames;
    QStringList dialogFilters;
    QList<bool> askAnswers;            // taken in order; empty list answers yes
    QStringList questions;
    std::optional<QFont> fontAnswer;
    std::optional<QColor> colourAnswer;
    QStringList openedUrls;            // addresses given to openUrl
    bool openUrlResult = true;
    QString printerPdfFile;            // defaultPrinter prints into this PDF; empty means no printer

    void showMessage(Message id, const QString& text, QWidget* parent) override;
    bool ask(const QString& title, const QString& text, QWidget* parent) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& initialName,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& initialName,
                         const QString& filter) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    bool openUrl(const QUrl& address) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;

private:
    QString nextFile(const QString& title, const QString& initialName, const QString& filter);
};

} // namespace kivra
