// The image natives of CuxGraphicFile, CuxScreenCapture and CuxCanvas.
#include <limits>
#include <string>
#include <vector>

#include "core/Utf.h"
#include "gx/RasterBackend.h"
#include "support/ModuleFixture.h"
#include "support/ProcessSize.h"

namespace zelmo::test {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kFile = "uxclasses/graphics/CuxGraphicFile";
constexpr const char* kCapture = "uxclasses/graphics/CuxScreenCapture";
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

class ImageNativesTest : public ModuleTest {
 protected:
  jref graphicFile(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t handle, int32_t option) {
    const jref f = vm.newObject(kFile);
    setFields(f, "x1 y1 x2 y2 imageHandle imageOption", {x1, y1, x2, y2, handle, option});
    return f;
  }
  // createImage(IIIII[I)I through the class; returns the handle, the status array's contents.
  int32_t createImage(std::initializer_list<int32_t> box, jref status) {
    std::vector<vm::Arg> args;
    for (int32_t v : box) args.push_back(I(v));
    args.push_back(R(status));
    return vm.invoke(*vm.findNative(kFile, "createImage(IIIII[I)I"), std::nullopt, args).i();
  }
  int32_t loadImage(jref path, jref status) {
    return call(kFile, "loadImage(Ljava/lang/String;[I)I", std::nullopt, {R(path), R(status)}).i();
  }
};

TEST_F(ImageNativesTest, CreateImageAsksForTheInclusiveAreaOrTheWholeLayer) {
  const jref status = vm.newIntArray(std::vector<int32_t>{-1, 77});
  EXPECT_EQ(createImage({3, 10, 20, 30, 40}, status), 65537);
  EXPECT_EQ(vm.intArray(status), (std::vector<int32_t>{0, 77}));
  // A size of exactly 0 is the whole layer, whatever the other values.
  createImage({3, 10, 20, 0, 40}, status);
  createImage({3, 10, 20, 30, 0}, status);
  // Corners wrap on 32 bits; negative sizes pass on as inverted corners.
  createImage({0, kMax, kMin, 2, -1}, status);
  EXPECT_EQ(drawn(), (Lines{"osGXcreateImage(3,{10,20,39,59},0,65537)",
                            "osGXcreateImage(3,null,0,65538)", "osGXcreateImage(3,null,0,65539)",
                            "osGXcreateImage(0,{2147483647,-2147483648,-2147483648,2147483646},"
                            "0,65540)"}));
}

TEST_F(ImageNativesTest, StatusArraysThatAreNullOrEmptyGetNothingButTheServiceStillWrites) {
  gx::RasterBackend raster(20, 10, 1, 0xFFFFFF);
  gx::Recorder recording(&raster);
  gx::installService(&recording);
  const jref empty = vm.newIntArray(0);
  const jref status = vm.newIntArray(std::vector<int32_t>{-1});
  EXPECT_EQ(createImage({0, 100, 100, 5, 5}, 0), 0);
  EXPECT_EQ(createImage({0, 100, 100, 5, 5}, empty), 0);
  EXPECT_EQ(createImage({0, 100, 100, 5, 5}, status), 0);
  EXPECT_EQ(vm.intArray(status), std::vector<int32_t>{2});  // the area is off the layer
  EXPECT_EQ(loadImage(vm.newString(u"/no/such/file.png"), 0), 0);
  EXPECT_EQ(loadImage(vm.newString(u"/no/such/file.png"), empty), 0);
  EXPECT_EQ(loadImage(vm.newString(u"/no/such/file.png"), status), 0);
  EXPECT_EQ(vm.intArray(status), std::vector<int32_t>{1});
  // The service always had somewhere to write: each trace line carries the status it wrote.
  for (const gx::Json& c : recording.calls()) EXPECT_TRUE(c["status"].is_number()) << c.dump();
  gx::installService(&recorder);
}

// The trace carries the status the service wrote, and null where it had no place to write.
TEST_F(ImageNativesTest, TraceCarriesTheStatusTheServiceWrote) {
  int32_t status = -1;
  recorder.createImage(0, nullptr, nullptr);
  recorder.loadImage(u"x.png", &status);
  EXPECT_EQ(drawn(),
            (Lines{"osGXcreateImage(0,null,null,65537)", "osGXloadImage(\"x.png\",0,65538)"}));
}

TEST_F(ImageNativesTest, LoadImageKeeps260UnitsAndNeverHalfASurrogatePair) {
  const auto path = [&](jref p) {
    recorder.clear();
    loadImage(p, 0);
    return core::utf16FromUtf8(recorder.calls().at(0)["path"].get<std::string>());
  };
  const std::u16string long300(300, u'a');
  EXPECT_EQ(path(vm.newString(long300)), long300.substr(0, 260));
  EXPECT_EQ(path(0), u"");
  // A pair across the cut is dropped whole; one that ends at the cut is kept.
  std::u16string split(259, u'b');
  split += u"\U0001F600tail";
  EXPECT_EQ(path(vm.newString(split)), split.substr(0, 259));
  std::u16string kept(258, u'c');
  kept += u"\U0001F600tail";
  EXPECT_EQ(path(vm.newString(kept)), kept.substr(0, 260));
  EXPECT_EQ(path(vm.newString(u"pictures/logo.png")), u"pictures/logo.png");
}

TEST_F(ImageNativesTest, GraphicFileDrawsInItsBoxWithoutThePlusOne) {
  for (const auto& [box, size] :
       {std::pair{std::vector<int32_t>{0, 0, 99, 49}, "99,49"},
        // x2 below x1 by n gives 65536 - n
        std::pair{std::vector<int32_t>{10, 20, 7, 19}, "65533,65535"},
        std::pair{std::vector<int32_t>{kMin, 0, kMax, 70000}, "65535,4464"}}) {
    recorder.clear();
    const jref f = graphicFile(box[0], box[1], box[2], box[3], 131073, 2);
    call(kFile, "draw(I)V", f, {I(4)});
    EXPECT_EQ(drawn(), Lines{"osGXimage(4,{" + std::to_string(box[0]) + "," +
                             std::to_string(box[1]) + "}," + size + ",131073,2,0)"});
  }
}

TEST_F(ImageNativesTest, CanvasDrawsTheFileAtTheTranslatedPointOnItsLayer) {
  const jref canvas = newCanvas(2);
  const jref f = graphicFile(100, 100, 139, 119, 65537, 1);
  canvasCall(canvas, "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V", {R(f), I(7), I(8)});
  canvasCall(canvas, "setTransform(II)V", {I(5), I(5)});
  canvasCall(canvas, "setTransform(IIFF)V", {I(5), I(5), F(2.0f), F(2.0f)});  // no scale
  recorder.clear();
  canvasCall(canvas, "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V", {R(f), I(7), I(8)});
  canvasCall(canvas, "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V", {R(f), I(kMax), I(0)});
  EXPECT_EQ(drawn(), (Lines{"osGXimage(2,{12,13},39,19,65537,1,0)",
                            "osGXimage(2,{-2147483644,5},39,19,65537,1,0)"}));
}

TEST_F(ImageNativesTest, NullObjectsDrawNothingAndReadNothing) {
  call(kFile, "draw(I)V", std::nullopt, {I(0)});
  canvasCall(newCanvas(), "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V", {R(0), I(1), I(2)});
  canvasCall(0, "drawImage(Luxclasses/graphics/CuxGraphicFile;II)V",
             {R(graphicFile(0, 0, 9, 9, 65537, 0)), I(1), I(2)});
  EXPECT_TRUE(drawn().empty());
}

TEST_F(ImageNativesTest, CaptureAndUnloadReadNoFieldAndWorkThroughTheClass) {
  EXPECT_EQ(
      call(kCapture, "createImage(IIIII)I", std::nullopt, {I(1), I(10), I(20), I(30), I(40)}).i(),
      65537);
  EXPECT_EQ(
      call(kCapture, "createImage(IIIII)I", vm.newObject(kCapture), {I(1), I(5), I(5), I(0), I(0)})
          .i(),
      65538);
  call(kFile, "unloadImage(I)V", std::nullopt, {I(65537)});
  call(kFile, "unloadImage(I)V", graphicFile(0, 0, 0, 0, 0, 0), {I(-1)});
  EXPECT_EQ(drawn(),
            (Lines{"osGXcreateImage(1,{10,20,39,59},0,65537)", "osGXcreateImage(1,null,0,65538)",
                   "osGXunloadImage(65537)", "osGXunloadImage(4294967295)"}));
}

// Images loaded from a file and captured from the layer, then unloaded, many times over through
// the raster service: memory comes back each time. Nothing moves, as each relocation takes heap
// that the stand-in never frees.
TEST_F(ImageNativesTest, HundredThousandCyclesLeaveTheProcessSizeFlat) {
  vm.relocateOnEveryCall = false;
  gx::RasterBackend raster(16, 16, 1, 0x2060A0);
  gx::installService(&raster);
  const std::string file = ::testing::TempDir() + "zelmo-cycle.png";
  std::string error;
  ASSERT_TRUE(raster.writePng(file, &error)) << error;
  const jref path = vm.newString(core::utf16FromUtf8(file));
  const jref status = vm.newIntArray(std::vector<int32_t>{-1});
  const auto* load = vm.findNative(kFile, "loadImage(Ljava/lang/String;[I)I");
  const auto* capture = vm.findNative(kCapture, "createImage(IIIII)I");
  const auto* unload = vm.findNative(kFile, "unloadImage(I)V");
  const vm::Arg loaded[] = {R(path), R(status)};
  const vm::Arg area[] = {I(1), I(2), I(2), I(8), I(8)};
  const auto cycle = [&] {
    const int32_t fromFile = vm.invoke(*load, std::nullopt, loaded).i();
    const int32_t captured = vm.invoke(*capture, std::nullopt, area).i();
    const vm::Arg handles[] = {I(fromFile), I(captured)};
    vm.invoke(*unload, std::nullopt, {handles, 1});
    vm.invoke(*unload, std::nullopt, {handles + 1, 1});
  };
  cycle();
  ASSERT_EQ(vm.intArray(status), std::vector<int32_t>{0});
  EXPECT_LT(residentGrowthOver(100000, cycle), 1L << 20);
  gx::installService(&recorder);
}

}  // namespace
}  // namespace zelmo::test
