// The core's one way out: the shell implements it with Qt, tests and nukcheck
// with the recording host below.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/Datei.h"

namespace nuk {

// A modal message box with an OK button only.
struct Meldung {
    std::string text;   // UTF-8
    std::string titel;  // empty: no title of its own (the application's title shows)
    int zeile = -1;     // rows in TextList when it was shown: the row the reader was at
    bool operator==(const Meldung&) const = default;
};

// The rows of the document as an edit leaves them and undo gives them back:
// each row's file text, the ticked rows in the order they were ticked, and
// the current row of the file text.
struct Zeilenstand {
    std::vector<std::string> texte;
    std::vector<int> markiert;
    int aktuell = -1;
    bool operator==(const Zeilenstand&) const = default;
};

struct Farbe {
    uint8_t rot = 0, gruen = 0, blau = 0;
    bool operator==(const Farbe&) const = default;
};

// The whole model's faces as the viewer sees them: each point's x and y as
// the net's and its depth (larger is nearer); each face's corners and, per
// corner, its colour as 0xAARRGGBB, lit and with its opacity as alpha.
// With a texture, a face's image is laid on it through its points' UV
// (0 0 the image's top-left corner) and multiplied by the corner colours; a
// mask's black leaves the face out there. Textures and masks are named as
// the file names them, to be found beside the model (ordner).
struct Flaechenbild {
    std::span<const std::array<float, 3>> punkte;
    std::span<const uint32_t> ecken, anfang;
    std::span<const uint32_t> farben;
    std::span<const std::array<float, 2>> uv;  // per point; NaN without
    std::span<const int32_t> textur, maske;    // per face, into namen; -1 without
    std::span<const std::string> namen;
    std::string_view ordner;
};

// One shape on the drawing window, in its user coordinate system. Outlines
// only, drawn with the window's default pen.
struct Zeichenbefehl {
    enum Art : uint8_t {
        Loeschen,  // fill the whole picture with the colour
        Linie,     // (x1, y1) to (x2, y2)
        Rechteck,  // outline with the corners (x1, y1) and (x2, y2)
        Punkt,     // a single dot at (x1, y1)
        Kreis,     // centre (x1, y1), radius x2
    };
    Art art = Loeschen;
    Farbe farbe;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Zeichenbefehl&) const = default;
};

// Outer size of a window in twips (1440 per inch), frame and title bar included.
struct Fenstermass {
    float Height = 0, Width = 0;
};

// The child windows, by their entry in the menu "Fenster".
enum class Kind : int16_t {
    TextPad = 0,
    Ausgewahl = 1,
    Fenster_b = 2,
    Ausgabe = 3,
    BefehlsPad = 4
};

// A child window's place in the main window's client area and its outer size, in twips.
struct Lage {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const Lage&) const = default;
};

enum class Dialogart : uint8_t { Oeffnen, Speichern };

// What the user chose in the file dialog: the path, and the name without its folder.
struct Dateiwahl {
    std::string FileName;   // as the file system spells it
    std::string FileTitle;  // UTF-8, for the caption
};

class Host {
  public:
    virtual ~Host() = default;
    // Returns when the user has closed the box.
    virtual void zeigeMeldung(const Meldung& meldung) = 0;
    // Shapes for the drawing window's persistent picture, in drawing order, in
    // the coordinate system the window has when the call is made. A redraw
    // arrives in a few large batches.
    virtual void zeichne(std::span<const Zeichenbefehl>) {}
    // A line of the colour for each edge, between the points it names, as
    // zeichne would have them one by one: a host that draws them in one go
    // takes each point to its pixel once, not once for every line at it.
    virtual void zeichneNetz(const Farbe& farbe, std::span<const std::array<float, 2>> punkte,
                             std::span<const std::array<uint32_t, 2>> kanten) {
        std::vector<Zeichenbefehl> stapel;
        stapel.reserve(std::min<size_t>(kanten.size(), 8192));
        for (const auto& [a, b] : kanten) {
            if (a >= punkte.size() || b >= punkte.size()) continue;
            stapel.push_back({Zeichenbefehl::Linie, farbe, punkte[a][0], punkte[a][1], punkte[b][0],
                              punkte[b][1]});
            if (stapel.size() == stapel.capacity()) zeichne(stapel), stapel.clear();
        }
        if (!stapel.empty()) zeichne(stapel);
    }
    // The faces of the whole model beneath everything else, nearer ones over
    // farther ones; a host without faces draws nothing.
    virtual void zeichneFlaechen(const Flaechenbild&) {}
    // Whether zeichneFlaechen would find this texture or mask beside the
    // model; a host without pictures finds every one.
    virtual bool texturDa(std::string_view /*ordner*/, const std::string& /*name*/,
                          bool /*maske*/) {
        return true;
    }
    // The drawing window's outer size; a host without one answers 0 x 0.
    virtual Fenstermass ausgabeMass() const {
        const Lage l = fensterLage(Kind::Ausgabe);
        return {l.Height, l.Width};
    }

    // The main window's client area (Height, Width); 0 x 0 without one.
    virtual Fenstermass clientMass() const { return {}; }
    virtual Lage fensterLage(Kind) const { return {}; }
    // Moves and sizes at once; a list window fits its list to the new size.
    virtual void fensterLageSetzen(Kind, const Lage&) {}
    // Showing a shown window only brings it forward.
    virtual void fensterZeigen(Kind, bool) {}
    // The open or save dialog; nothing when the user cancelled it. The open
    // dialog wants an existing file, the save dialog asks before overwriting one.
    virtual std::optional<Dateiwahl> dateiDialog(Dialogart) { return std::nullopt; }
    // How saving writes its bytes; nullptr: straight to the disk.
    virtual Schreibweg schreibweg() const { return nullptr; }
    // A small dialog for a row's text, prefilled (UTF-8); nothing when the
    // user cancelled it.
    virtual std::optional<std::string> zeileFragen(const std::string& titel,
                                                   const std::string& vorgabe) {
        (void)titel, (void)vorgabe;
        return std::nullopt;
    }
    // A question with "Ja" and "Nein"; true for "Ja".
    virtual bool frage(const Meldung&) { return false; }
    // An edit has turned the rows from vorher into nachher: a host with undo
    // keeps both, as one step named was.
    virtual void bearbeitet(const std::string& was, Zeilenstand vorher, Zeilenstand nachher) {
        (void)was, (void)vorher, (void)nachher;
    }
    // Timer1 has just been switched on: its 10 ms count from now, not from
    // the end of the handler that switched it on.
    virtual void zeitgeberAn() {}
};

class AufzeichnenderHost : public Host {
  public:
    void zeigeMeldung(const Meldung& meldung) override { meldungen.push_back(meldung); }
    void zeichne(std::span<const Zeichenbefehl> befehle) override {
        zeichnungen.insert(zeichnungen.end(), befehle.begin(), befehle.end());
    }
    // The drawing window's size is mass, so that a fit test needs nothing else.
    Fenstermass ausgabeMass() const override { return mass; }
    Fenstermass clientMass() const override { return client; }
    Lage fensterLage(Kind k) const override {
        Lage l = lage[static_cast<size_t>(k)];
        if (k == Kind::Ausgabe) l.Width = mass.Width, l.Height = mass.Height;
        return l;
    }
    void fensterLageSetzen(Kind k, const Lage& l) override {
        lage[static_cast<size_t>(k)] = l;
        if (k == Kind::Ausgabe) mass = {l.Height, l.Width};
    }
    void fensterZeigen(Kind k, bool sichtbar) override {
        gezeigt[static_cast<size_t>(k)] = sichtbar;
    }
    std::optional<Dateiwahl> dateiDialog(Dialogart art) override {
        dialoge.push_back(art);
        return antwort;
    }
    Schreibweg schreibweg() const override { return weg; }
    std::optional<std::string> zeileFragen(const std::string& titel,
                                           const std::string& vorgabe) override {
        vorgaben.push_back({titel, vorgabe});
        return zeile;
    }
    bool frage(const Meldung& m) override {
        meldungen.push_back(m);
        return ja;
    }
    void bearbeitet(const std::string& was, Zeilenstand vorher, Zeilenstand nachher) override {
        schritte.push_back({was, std::move(vorher), std::move(nachher)});
    }

    std::vector<Meldung> meldungen;
    std::vector<Zeichenbefehl> zeichnungen;
    Fenstermass mass;
    Fenstermass client;
    std::array<Lage, 5> lage{};
    std::array<bool, 5> gezeigt{};
    std::vector<Dialogart> dialoge;
    std::optional<Dateiwahl> antwort;                  // what every dialog answers
    std::vector<std::array<std::string, 2>> vorgaben;  // each row dialog's title and text
    std::optional<std::string> zeile;                  // what every row dialog answers
    bool ja = true;                                    // what every question answers
    struct Schritt {
        std::string was;
        Zeilenstand vorher, nachher;
    };
    std::vector<Schritt> schritte;
    Schreibweg weg = nullptr;
};

}  // namespace nuk
