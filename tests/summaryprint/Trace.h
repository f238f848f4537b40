#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "Canvas.h"

// One drawing call of a TracePrinter trace, with the sheet it lands on and the state it is
// drawn in.
struct TraceOp {
    std::string kind;  // text, rect, line
    int page = 0;      // 1, 2, … counted over the whole trace (0 before the first sheet)
    int font = 0;      // points
    bool bold = false;
    jitsu::Color brush = jitsu::kWhite;
    jitsu::Color pen = jitsu::kWhite;        // white until set
    jitsu::Color fontColor = jitsu::kWhite;  // likewise
    int x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text;
};

// The texts, rectangles and lines of a trace, plus the trace's other lines in `events`.
struct Trace {
    std::vector<TraceOp> ops;
    std::vector<std::string> events;  // job …, begin, page n, end
    int pages = 0;

    std::vector<TraceOp> of(const std::string& kind, int page = 0) const {
        std::vector<TraceOp> found;
        for (const TraceOp& op : ops)
            if (op.kind == kind && (page == 0 || op.page == page)) found.push_back(op);
        return found;
    }
    std::vector<TraceOp> texts(int page = 0) const { return of("text", page); }
    // Texts equal to `text`, on `page` (0: any).
    std::vector<TraceOp> find(const std::string& text, int page = 0) const {
        std::vector<TraceOp> found;
        for (const TraceOp& op : texts(page))
            if (op.text == text) found.push_back(op);
        return found;
    }
    // The text drawn at (x, y) on `page`, or "" when there is none.
    std::string at(int page, int x, int y) const {
        for (const TraceOp& op : texts(page))
            if (op.x == x && op.y == y) return op.text;
        return {};
    }
    int count(const std::string& text) const { return static_cast<int>(find(text).size()); }
};

inline Trace parseTrace(const std::string& trace) {
    Trace result;
    std::istringstream in(trace);
    std::string line;
    int page = 0, font = 0;
    bool bold = false;
    jitsu::Color brush = jitsu::kWhite, pen = jitsu::kWhite, fontColor = jitsu::kWhite;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        TraceOp op;
        op.kind = kind;
        op.page = page;
        op.font = font;
        op.bold = bold;
        op.brush = brush;
        op.pen = pen;
        op.fontColor = fontColor;
        if (kind == "text") {
            words >> op.x >> op.y;
            words.get();
            std::getline(words, op.text);
            result.ops.push_back(op);
        } else if (kind == "rect" || kind == "line") {
            words >> op.x >> op.y >> op.x2 >> op.y2;
            result.ops.push_back(op);
        } else if (kind == "font") {
            std::string style;
            words >> font >> style;
            bold = style == "bold";
        } else if (kind == "brush") {
            words >> brush.r >> brush.g >> brush.b;
        } else if (kind == "pen") {
            words >> pen.r >> pen.g >> pen.b;
        } else if (kind == "fontcolor") {
            words >> fontColor.r >> fontColor.g >> fontColor.b;
        } else {
            if (kind == "page") result.pages = ++page;
            result.events.push_back(line);
        }
    }
    return result;
}
