#pragma once
// The program's dialogs as real Qt message boxes and file dialogs.

#include <QPointer>
#include <QWidget>

#include "ui/Dialoge.h"

class QtDialoge : public Dialoge {
public:
    explicit QtDialoge(QWidget* eltern = nullptr) : m_eltern(eltern) {}
    void setEltern(QWidget* eltern) { m_eltern = eltern; }

    void meldung(const QString& text, const QString& titel) override;
    bool frage(const QString& text, const QString& titel) override;
    std::optional<QString> eingabe(const QString& text, const QString& titel,
                                   const QString& vorgabe) override;
    std::optional<QString> dateiOeffnen(const QString& titel, const QString& dateiname,
                                        const QString& filter, const QString& startordner) override;
    std::optional<QString> dateiSpeichern(const QString& titel, const QString& dateiname,
                                          const QString& filter,
                                          const QString& startordner) override;
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString& startordner) override;

    // "Daten (*.ssw)|*.ssw" -> "Daten (*.ssw)"
    static QString qtFilter(const QString& filter);

private:
    QPointer<QWidget> m_eltern;
};

// For runs without a user (screenshots): messages go to standard error, questions are
// answered with no and every file dialog is cancelled.
class StilleDialoge : public Dialoge {
public:
    void meldung(const QString& text, const QString& titel) override;
    bool frage(const QString& text, const QString& titel) override;
    std::optional<QString> eingabe(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> dateiOeffnen(const QString&, const QString&, const QString&,
                                        const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> dateiSpeichern(const QString&, const QString&, const QString&,
                                          const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> ordnerWaehlen(const QString&, const QString&) override {
        return std::nullopt;
    }
};
