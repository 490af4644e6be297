#pragma once
// Records what the program shows and answers from a script, in order.

#include <QStringList>
#include <deque>

#include "ui/Dialoge.h"

class FakeDialoge : public Dialoge {
public:
    struct Gezeigt {
        QString art;  // "meldung", "frage", "oeffnen", ...
        QString text;
        QString titel;
    };
    std::vector<Gezeigt> gezeigt;
    std::deque<bool> antwortenFrage;
    std::deque<std::optional<QString>> antwortenDatei;
    std::deque<std::optional<QString>> antwortenEingabe;

    QStringList meldungen() const {
        QStringList l;
        for (const auto& g : gezeigt) {
            if (g.art == QLatin1String("meldung")) {
                l << g.text;
            }
        }
        return l;
    }

    void meldung(const QString& text, const QString& titel) override {
        gezeigt.push_back({QStringLiteral("meldung"), text, titel});
    }
    bool frage(const QString& text, const QString& titel) override {
        gezeigt.push_back({QStringLiteral("frage"), text, titel});
        if (antwortenFrage.empty()) {
            return false;
        }
        const bool a = antwortenFrage.front();
        antwortenFrage.pop_front();
        return a;
    }
    std::optional<QString> eingabe(const QString& text, const QString& titel,
                                   const QString&) override {
        gezeigt.push_back({QStringLiteral("eingabe"), text, titel});
        if (antwortenEingabe.empty()) {
            return std::nullopt;
        }
        auto a = antwortenEingabe.front();
        antwortenEingabe.pop_front();
        return a;
    }
    std::optional<QString> dateiOeffnen(const QString& titel, const QString& dateiname,
                                        const QString& filter, const QString&) override {
        gezeigt.push_back(
            {QStringLiteral("oeffnen"), dateiname + QLatin1Char('|') + filter, titel});
        return naechsteDatei();
    }
    std::optional<QString> dateiSpeichern(const QString& titel, const QString& dateiname,
                                          const QString& filter, const QString&) override {
        gezeigt.push_back(
            {QStringLiteral("speichern"), dateiname + QLatin1Char('|') + filter, titel});
        return naechsteDatei();
    }
    std::optional<QString> ordnerWaehlen(const QString& titel, const QString&) override {
        gezeigt.push_back({QStringLiteral("ordner"), QString(), titel});
        return naechsteDatei();
    }

private:
    std::optional<QString> naechsteDatei() {
        if (antwortenDatei.empty()) {
            return std::nullopt;
        }
        auto a = antwortenDatei.front();
        antwortenDatei.pop_front();
        return a;
    }
};
