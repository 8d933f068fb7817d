#include "gx/PathData.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace gx::path {
namespace {

constexpr double kPi = 3.14159265358979323846;

bool isDigit(UniChar c) { return c >= u'0' && c <= u'9'; }
bool isSpace(UniChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
bool startsNumber(UniChar c) { return isDigit(c) || c == u'.' || c == u'+' || c == u'-'; }

// How many numbers (or flags) one group of a command's arguments has; 0 for no command.
int groupSize(UniChar command) {
  switch (command | 0x20) {  // lower case
    case u'm':
    case u'l':
    case u't':
      return 2;
    case u'h':
    case u'v':
      return 1;
    case u'c':
      return 6;
    case u's':
    case u'q':
      return 4;
    case u'a':
      return 7;
    case u'z':
      return 0;
    default:
      return -1;
  }
}

class Parser {
 public:
  Parser(const UniChar* chars, size_t count, Parsed& out) : s_(chars), n_(count), out_(out) {}

  void run() {
    skipSpace();
    if (atEnd()) return;
    if ((peek() | 0x20) != u'm') return fail("a path starts with M or m");
    while (!atEnd() && out_.ok) command();
  }

 private:
  bool atEnd() const { return i_ >= n_; }
  UniChar peek() const { return atEnd() ? 0 : s_[i_]; }
  void skipSpace() {
    while (!atEnd() && isSpace(s_[i_])) ++i_;
  }
  void fail(const char* why) {
    if (!out_.ok) return;
    out_.ok = false;
    out_.errorAt = i_;
    out_.error = why;
  }

  // One command letter and all its argument groups.
  void command() {
    const UniChar letter = peek();
    const int size = letter < 0x80 ? groupSize(letter) : -1;
    if (size < 0) return fail(letter >= 0x80 ? "a character outside ASCII" : "not a command");
    ++i_;
    skipSpace();
    const bool relative = (letter & 0x20) != 0;
    const UniChar lower = letter | 0x20;
    if (size == 0) {
      close();
      return;
    }
    bool first = true;
    for (;;) {
      double v[7];
      for (int k = 0; k < size; ++k) {
        if (k > 0) separator();
        const bool isFlag = lower == u'a' && (k == 3 || k == 4);
        if (!(isFlag ? flag(v[k]) : number(v[k]))) return;
      }
      // Pairs after a moveto's first are implicit linetos.
      apply(lower == u'm' && !first ? u'l' : lower, relative, v);
      if (!out_.ok) return;
      first = false;
      skipSpace();
      if (peek() == u',') {
        ++i_;
        skipSpace();
        if (!startsNumber(peek())) return fail("expected a number after the comma");
      } else if (!startsNumber(peek())) {
        return;
      }
    }
  }

  void separator() {
    skipSpace();
    if (peek() == u',') {
      ++i_;
      skipSpace();
    }
  }

  bool flag(double& v) {
    const UniChar c = peek();
    if (c != u'0' && c != u'1') {
      fail("expected a flag, 0 or 1");
      return false;
    }
    v = c == u'1' ? 1 : 0;
    ++i_;
    return true;
  }

  // sign? (digits ('.' digits?)? | '.' digits) (('e' | 'E') sign? digits)?
  bool number(double& v) {
    bool negative = false;
    if (peek() == u'+' || peek() == u'-') {
      negative = peek() == u'-';
      ++i_;
    }
    // Up to 19 significant digits are kept; the others only move the decimal exponent.
    constexpr int kKept = 19;
    char digits[kKept];
    int kept = 0;
    int64_t exponent = 0;
    bool anyDigit = false;
    const auto digit = [&](UniChar c, bool fraction) {
      anyDigit = true;
      if (kept == 0 && c == u'0') {
        if (fraction) --exponent;
        return;
      }
      if (kept < kKept) {
        digits[kept++] = static_cast<char>(c);
        if (fraction) --exponent;
      } else if (!fraction) {
        ++exponent;
      }
    };
    while (isDigit(peek())) digit(s_[i_++], false);
    if (peek() == u'.') {
      ++i_;
      while (isDigit(peek())) digit(s_[i_++], true);
    }
    if (!anyDigit) {
      fail("expected a number");
      return false;
    }
    if (peek() == u'e' || peek() == u'E') {
      ++i_;
      bool negativeExponent = false;
      if (peek() == u'+' || peek() == u'-') {
        negativeExponent = peek() == u'-';
        ++i_;
      }
      if (!isDigit(peek())) {
        fail("expected the digits of an exponent");
        return false;
      }
      int64_t e = 0;
      while (isDigit(peek())) e = std::min<int64_t>(e * 10 + (s_[i_++] - u'0'), 1000000);
      exponent += negativeExponent ? -e : e;
    }
    v = negative ? -0.0 : 0.0;
    if (kept == 0) return true;
    // The magnitude lies in [10^(kept + exponent - 1), 10^(kept + exponent)).
    const int64_t magnitude = kept + exponent;
    if (magnitude > 310) {
      fail("a number too large");
      return false;
    }
    if (magnitude < -330) return true;  // below the smallest double: zero
    char text[kKept + 8];
    std::copy(digits, digits + kept, text);
    text[kept] = 'e';
    const char* end = std::to_chars(text + kept + 1, text + sizeof text, exponent).ptr;
    double value = 0;
    const auto result = std::from_chars(text, end, value);
    if (result.ec == std::errc::result_out_of_range) {
      if (magnitude > 0) {
        fail("a number too large");
        return false;
      }
      value = 0;
    }
    if (!std::isfinite(value)) {
      fail("a number too large");
      return false;
    }
    v = negative ? -value : value;
    return true;
  }

  // ---- Geometry ----

  Point at(bool relative, double x, double y) const {
    return relative ? Point{cur_.x + x, cur_.y + y} : Point{x, y};
  }
  Point reflected(const Point& control) const {
    return {2 * cur_.x - control.x, 2 * cur_.y - control.y};
  }

  void emit(Segment::Kind kind, Point a, Point b = {}, Point c = {}) {
    for (const Point& p : {a, b, c}) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return fail("a coordinate out of range");
    }
    out_.segments.push_back(Segment{kind, {a, b, c}});
  }

  void lineTo(Point p) {
    emit(Segment::kLine, p);
    cur_ = p;
  }
  void cubicTo(Point c1, Point c2, Point p) {
    emit(Segment::kCubic, c1, c2, p);
    cur_ = p;
  }
  void close() {
    emit(Segment::kClose, start_);
    cur_ = start_;
    previous_ = Previous::kOther;
  }

  enum class Previous { kOther, kCubic, kQuadratic };

  void apply(UniChar command, bool relative, const double* v) {
    Previous next = Previous::kOther;
    switch (command) {
      case u'm':
        cur_ = start_ = at(relative, v[0], v[1]);
        emit(Segment::kMove, cur_);
        break;
      case u'l':
        lineTo(at(relative, v[0], v[1]));
        break;
      case u'h':
        lineTo({relative ? cur_.x + v[0] : v[0], cur_.y});
        break;
      case u'v':
        lineTo({cur_.x, relative ? cur_.y + v[0] : v[0]});
        break;
      case u'c':
        control_ = at(relative, v[2], v[3]);
        cubicTo(at(relative, v[0], v[1]), control_, at(relative, v[4], v[5]));
        next = Previous::kCubic;
        break;
      case u's': {
        const Point c1 = previous_ == Previous::kCubic ? reflected(control_) : cur_;
        control_ = at(relative, v[0], v[1]);
        cubicTo(c1, control_, at(relative, v[2], v[3]));
        next = Previous::kCubic;
        break;
      }
      case u'q':
        control_ = at(relative, v[0], v[1]);
        quadraticTo(control_, at(relative, v[2], v[3]));
        next = Previous::kQuadratic;
        break;
      case u't':
        control_ = previous_ == Previous::kQuadratic ? reflected(control_) : cur_;
        quadraticTo(control_, at(relative, v[0], v[1]));
        next = Previous::kQuadratic;
        break;
      case u'a':
        arcTo(v[0], v[1], v[2], v[3] != 0, v[4] != 0, at(relative, v[5], v[6]));
        break;
      default:
        break;
    }
    previous_ = next;
  }

  void quadraticTo(Point q, Point p) {
    const Point p0 = cur_;
    cubicTo({p0.x + 2.0 / 3 * (q.x - p0.x), p0.y + 2.0 / 3 * (q.y - p0.y)},
            {p.x + 2.0 / 3 * (q.x - p.x), p.y + 2.0 / 3 * (q.y - p.y)}, p);
  }

  // SVG's endpoint-to-centre conversion, worked in units of the half chord so that no square
  // overflows whatever the radii: radii beyond 10^9 half chords draw the chord to well under a
  // pixel, and radii below 10^-9 half chords are scaled up to reach the end anyway.
  void arcTo(double rx, double ry, double degrees, bool large, bool sweep, Point p) {
    const Point p0 = cur_;
    if (p0.x == p.x && p0.y == p.y) return;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0) return lineTo(p);
    const double phi = std::fmod(degrees, 360.0) * kPi / 180;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    const double hx = p0.x / 2 - p.x / 2, hy = p0.y / 2 - p.y / 2;
    const double x1 = cosPhi * hx + sinPhi * hy;
    const double y1 = -sinPhi * hx + cosPhi * hy;
    const double d = std::hypot(x1, y1);
    if (!(d > 0) || !std::isfinite(d)) return lineTo(p);
    constexpr double kLow = 1e-9, kHigh = 1e9;
    const double X = x1 / d, Y = y1 / d;
    double RX = std::clamp(rx / d, kLow, kHigh), RY = std::clamp(ry / d, kLow, kHigh);
    const double lambda = (X / RX) * (X / RX) + (Y / RY) * (Y / RY);
    double coef = 0;
    if (lambda > 1) {
      RX *= std::sqrt(lambda);
      RY *= std::sqrt(lambda);
    } else {
      const double num = RX * RX * RY * RY - RX * RX * Y * Y - RY * RY * X * X;
      const double den = RX * RX * Y * Y + RY * RY * X * X;
      coef = std::sqrt(std::max(0.0, num / den));
      if (large == sweep) coef = -coef;
    }
    const double cxp = coef * RX * Y / RY;
    const double cyp = -coef * RY * X / RX;
    const double theta1 = std::atan2((Y - cyp) / RY, (X - cxp) / RX);
    const double theta2 = std::atan2((-Y - cyp) / RY, (-X - cxp) / RX);
    double delta = theta2 - theta1;
    if (!sweep && delta > 0) delta -= 2 * kPi;
    if (sweep && delta < 0) delta += 2 * kPi;
    const int pieces =
        std::clamp(static_cast<int>(std::ceil(std::fabs(delta) / (kPi / 2) - 1e-9)), 1, 4);

    const double rxu = RX * d, ryu = RY * d;
    const Point centre{cosPhi * cxp * d - sinPhi * cyp * d + (p0.x / 2 + p.x / 2),
                       sinPhi * cxp * d + cosPhi * cyp * d + (p0.y / 2 + p.y / 2)};
    const auto onEllipse = [&](double t) {
      const double ex = rxu * std::cos(t), ey = ryu * std::sin(t);
      return Point{centre.x + cosPhi * ex - sinPhi * ey, centre.y + sinPhi * ex + cosPhi * ey};
    };
    const auto tangent = [&](double t) {
      const double ex = -rxu * std::sin(t), ey = ryu * std::cos(t);
      return Point{cosPhi * ex - sinPhi * ey, sinPhi * ex + cosPhi * ey};
    };
    const double step = delta / pieces;
    const double alpha = 4.0 / 3 * std::tan(step / 4);
    for (int k = 0; k < pieces && out_.ok; ++k) {
      const double t1 = theta1 + k * step, t2 = t1 + step;
      const Point a = onEllipse(t1), b = onEllipse(t2);
      const Point da = tangent(t1), db = tangent(t2);
      cubicTo({a.x + alpha * da.x, a.y + alpha * da.y}, {b.x - alpha * db.x, b.y - alpha * db.y},
              k + 1 == pieces ? p : b);
    }
  }

  const UniChar* s_;
  size_t n_;
  size_t i_ = 0;
  Parsed& out_;
  Point cur_{0, 0};
  Point start_{0, 0};
  Point control_{0, 0};
  Previous previous_ = Previous::kOther;
};

}  // namespace

Parsed parse(const UniChar* chars, int32_t count) {
  Parsed out;
  if (!chars || count <= 0) return out;
  Parser(chars, static_cast<size_t>(count), out).run();
  if (!out.ok) out.segments.clear();
  return out;
}

}  // namespace gx::path
