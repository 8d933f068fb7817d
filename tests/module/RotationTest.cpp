// Turned points and rotating polygons against the core service's table and std::sin / std::cos.
#include <climits>
#include <cmath>

#include "platform/CoreServices.h"
#include "support/ModuleFixture.h"

namespace zelmo::test {
namespace {

constexpr const char* kPrepare = "preCalculatePolygonParams(I[I[I[I[I)V";
constexpr const char* kRotating = "fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V";

class RotationTest : public ModuleTest {
 protected:
  int32_t rotate(const char* signature, int32_t radius, int32_t angle) {
    const vm::NativeMethod* m = vm.findNative(kCanvas, signature);
    const vm::Arg args[] = {I(radius), I(angle)};
    return vm.invoke(*m, std::nullopt, args).i();
  }

  // The polar form of (xs, ys): radii and angles, as preCalculatePolygonParams writes them.
  std::pair<std::vector<int32_t>, std::vector<int32_t>> prepare(const std::vector<int32_t>& x,
                                                                const std::vector<int32_t>& y) {
    const jref radii = vm.newIntArray(std::vector<int32_t>(x.size(), -1));
    const jref angles = vm.newIntArray(std::vector<int32_t>(x.size(), -1));
    call(kCanvas, kPrepare, std::nullopt,
         {I(static_cast<int32_t>(x.size())), R(vm.newIntArray(x)), R(vm.newIntArray(y)), R(radii),
          R(angles)});
    return {vm.intArray(radii), vm.intArray(angles)};
  }

  // One border-only rotating polygon; its points as drawn.
  std::vector<std::pair<int32_t, int32_t>> turned(int32_t n, jref xs, jref ys, jref radii,
                                                  jref angles, int32_t rotation) {
    recorder.clear();
    canvasCall(canvas, kRotating,
               {I(n), R(xs), R(ys), R(radii), R(angles), I(1000), I(2000), I(rotation), I(5), I(6),
                Z(false), Z(true)});
    std::vector<std::pair<int32_t, int32_t>> out;
    if (recorder.calls().size() != 1) return out;
    for (const auto& p : recorder.calls()[0]["points"]) out.emplace_back(p[0], p[1]);
    return out;
  }

  jref canvas = newCanvas();
};

TEST_F(RotationTest, PointRotationsEqualTheTableAndLieOnTheCircle) {
  const int32_t radii[] = {0, 1, -1, 7, -7, 100, -100, 4095, -4095, INT_MAX};
  // Truncation moves a result by less than 1; the table and std::cos may differ in the last bits.
  constexpr double kWithinOne = 1.0 + 1e-6;
  const auto check = [&](const char* x, const char* y, int32_t angle, int32_t tableAngle,
                         double radians) {
    const double c = osUTfastcos(static_cast<int16_t>(tableAngle));
    const double s = osUTfastsin(static_cast<int16_t>(tableAngle));
    for (const int32_t r : radii) {
      const int32_t gotX = rotate(x, r, angle), gotY = rotate(y, r, angle);
      ASSERT_EQ(gotX, static_cast<int32_t>(static_cast<int64_t>(c * r))) << x << r << " " << angle;
      ASSERT_EQ(gotY, -static_cast<int32_t>(static_cast<int64_t>(s * r))) << y << r << " " << angle;
      ASSERT_NEAR(gotX, r * std::cos(radians), kWithinOne) << x << r << " " << angle;
      ASSERT_NEAR(gotY, -r * std::sin(radians), kWithinOne) << y << r << " " << angle;
    }
  };
  for (int32_t degrees = -1080; degrees <= 1080; ++degrees)
    check("rotatePtX(II)I", "rotatePtY(II)I", degrees, (degrees % 360 + 360) % 360 * 10,
          degrees * M_PI / 180);
  for (int32_t tenths = -7200; tenths <= 7200; ++tenths)
    check("preciseRotatePtX(II)I", "preciseRotatePtY(II)I", tenths, (tenths % 3600 + 3600) % 3600,
          tenths * M_PI / 1800);
}

TEST_F(RotationTest, RotationResultsKeepTheirLow32Bits) {
  EXPECT_EQ(rotate("rotatePtX(II)I", INT_MAX, 180), -INT_MAX);
  EXPECT_EQ(rotate("rotatePtY(II)I", INT_MIN, 270), INT_MIN);  // -(-2^31 × -1) wraps
  EXPECT_EQ(rotate("rotatePtX(II)I", INT_MIN, 180), INT_MIN);  // 2^31 wraps
  EXPECT_EQ(rotate("rotatePtX(II)I", 100, INT_MIN), rotate("rotatePtX(II)I", 100, 232));
  EXPECT_EQ(rotate("preciseRotatePtY(II)I", 100, INT_MAX),
            rotate("preciseRotatePtY(II)I", 100, 847));
}

TEST_F(RotationTest, PolarFormOfTheDocumentedPoints) {
  const auto [radii, angles] = prepare({10, 0, 0, -10, 10, -10, 0, 50000, INT_MIN},
                                       {0, 10, -10, 0, 10, -10, 0, 50000, INT_MIN});
  EXPECT_EQ(angles, (std::vector<int32_t>{0, 2700, 900, 1800, -450, 1350, 900, -450, 1350}));
  EXPECT_EQ(radii, (std::vector<int32_t>{10, 10, 10, 10, 14, 14, 0, 70711, INT_MAX}));

  // n is bounded by the shortest array; a null one is empty.
  const jref xs = vm.newIntArray(std::vector<int32_t>{3, 3, 3});
  const jref shortRadii = vm.newIntArray(std::vector<int32_t>{-1, -1});
  const jref longAngles = vm.newIntArray(std::vector<int32_t>{-1, -1, -1});
  call(kCanvas, kPrepare, std::nullopt, {I(INT_MAX), R(xs), R(xs), R(shortRadii), R(longAngles)});
  EXPECT_EQ(vm.intArray(longAngles), (std::vector<int32_t>{-450, -450, -1}));
  call(kCanvas, kPrepare, std::nullopt, {I(3), R(xs), R(0), R(longAngles), R(longAngles)});
  EXPECT_EQ(vm.intArray(longAngles), (std::vector<int32_t>{-450, -450, -1}));
}

// A few hundred vertices within +-200, turned by every rotation in 100-vertex polygons, land
// within 2 pixels of the vertex rotated directly; rotation 0 draws the vertices exactly.
TEST_F(RotationTest, RotatingPolygonFollowsDirectRotation) {
  std::vector<int32_t> x, y;
  uint32_t seed = 12345;
  const auto next = [&] {
    return static_cast<int32_t>((seed = seed * 1103515245 + 12345) >> 8) % 401 - 200;
  };
  for (int i = 0; i < 300; ++i) x.push_back(next()), y.push_back(next());
  const auto [radii, angles] = prepare(x, y);
  for (size_t i = 0; i < x.size(); ++i) {
    EXPECT_EQ(radii[i], static_cast<int32_t>(std::hypot(x[i], y[i]) + 0.5)) << i;
    if (x[i] == 0 && y[i] == 0) continue;
    const double diff = std::remainder(angles[i] - std::atan2(-y[i], x[i]) * 1800 / M_PI, 3600.0);
    EXPECT_LE(std::abs(diff), 1.0) << x[i] << "," << y[i];
  }

  for (size_t first = 0; first < x.size(); first += 100) {
    const auto part = [&](const std::vector<int32_t>& v) {
      return vm.newIntArray(std::vector<int32_t>(v.begin() + first, v.begin() + first + 100));
    };
    const jref xs = part(x), ys = part(y), rs = part(radii), as = part(angles);
    const auto unturned = turned(100, xs, ys, rs, as, 0);
    ASSERT_EQ(unturned.size(), 100u);
    for (size_t i = 0; i < 100; ++i)
      EXPECT_EQ(unturned[i], std::make_pair(x[first + i] + 1000, y[first + i] + 2000));
    for (int32_t rotation = 1; rotation < 3600; ++rotation) {
      const auto points = turned(100, xs, ys, rs, as, rotation);
      ASSERT_EQ(points.size(), 100u);
      const double c = std::cos(rotation * M_PI / 1800), s = std::sin(rotation * M_PI / 1800);
      for (size_t i = 0; i < 100; ++i) {
        const double px = x[first + i], py = y[first + i];
        ASSERT_NEAR(points[i].first, 1000 + px * c + py * s, 2.0) << rotation << " " << i;
        ASSERT_NEAR(points[i].second, 2000 - px * s + py * c, 2.0) << rotation << " " << i;
      }
    }
  }
}

TEST_F(RotationTest, RotatingPolygonCountsAndCalls) {
  const jref one = vm.newIntArray(std::vector<int32_t>{1});
  const jref radius = vm.newIntArray(std::vector<int32_t>{50});
  const jref zero = vm.newIntArray(std::vector<int32_t>{0});
  const jref many = vm.newIntArray(std::vector<int32_t>(150, 7));
  const auto draw = [&](int32_t n, jref xs, jref ys, jref rs, jref as, int32_t rotation, bool fill,
                        bool border) {
    recorder.clear();
    canvasCall(canvas, kRotating,
               {I(n), R(xs), R(ys), R(rs), R(as), I(10), I(20), I(rotation), I(5), I(6), Z(fill),
                Z(border)});
    return drawn();
  };
  using Calls = std::vector<std::string>;
  EXPECT_EQ(
      draw(1, one, one, radius, zero, 0, true, true),
      (Calls{"osGXfillPolygon(1,[[11,21]],5,0,1,true)", "osGXdrawPolygon(1,[[11,21]],1,5,0,1)",
             "osGXdrawPolygon(1,[[11,21]],1,6,0,1)"}));
  // A whole turn is not rotation 0: the polar form is drawn.
  EXPECT_EQ(draw(1, one, one, radius, zero, 3600, false, true),
            (Calls{"osGXdrawPolygon(1,[[60,20]],1,6,0,1)"}));
  EXPECT_EQ(draw(1, one, one, radius, zero, 900, false, true),
            (Calls{"osGXdrawPolygon(1,[[10,-29]],1,6,0,1)"}));
  EXPECT_TRUE(draw(1, one, one, radius, zero, 900, false, false).empty());
  // The count: at most 100, never past an array the branch reads, never below 0.
  draw(150, many, many, many, many, 0, false, true);
  EXPECT_EQ(recorder.calls()[0]["count"], 100);
  draw(150, one, many, many, many, 0, false, true);
  EXPECT_EQ(recorder.calls()[0]["count"], 1);
  draw(150, 0, 0, many, one, 5, false, true);
  EXPECT_EQ(recorder.calls()[0]["count"], 1);
  EXPECT_EQ(draw(-5, many, many, many, many, 5, true, false),
            (Calls{"osGXfillPolygon(0,[],5,0,1,true)", "osGXdrawPolygon(0,[],1,5,0,1)"}));
  EXPECT_EQ(draw(3, 0, 0, many, many, 0, false, true), (Calls{"osGXdrawPolygon(0,[],1,6,0,1)"}));
  // Angle sums are reduced from their full value.
  const jref huge = vm.newIntArray(std::vector<int32_t>{INT_MAX});
  EXPECT_EQ(draw(1, 0, 0, radius, huge, 1, false, true),
            draw(1, 0, 0, radius, zero, 848, false, true));
  EXPECT_EQ(draw(1, 0, 0, radius, zero, INT_MIN, false, true),
            draw(1, 0, 0, radius, zero, 2752, false, true));
}

}  // namespace
}  // namespace zelmo::test
