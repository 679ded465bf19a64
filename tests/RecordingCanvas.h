#pragma once
// A canvas that records what the plotter draws, in twips with colours.

#include "linecode/Canvas.h"

#include <vector>

struct Segmento {
    linecode::Punto desde;
    linecode::Punto hasta;
    linecode::Colour colour;
};

class RecordingCanvas : public linecode::Canvas {
public:
    explicit RecordingCanvas(int w = 8775, int h = 2535) : w_(w), h_(h) {}

    int outerWidth() const override { return w_; }
    int outerHeight() const override { return h_; }

    int borrados = 0;
    std::vector<Segmento> segmentos;

    std::vector<Segmento> deColor(linecode::Colour c) const
    {
        std::vector<Segmento> r;
        for (const auto& s : segmentos)
            if (s.colour == c) r.push_back(s);
        return r;
    }

protected:
    void fill() override
    {
        ++borrados;
        segmentos.clear();
    }
    void drawSegment(linecode::Punto a, linecode::Punto b, linecode::Colour c) override
    {
        segmentos.push_back({a, b, c});
    }

private:
    int w_;
    int h_;
};
