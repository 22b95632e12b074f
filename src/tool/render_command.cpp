// render: read a problem or game as check does and draw its board to a PNG
// picture with the same painter the window uses, without a display. --scale
// draws it as a screen of that device pixel ratio shows it: the same layout,
// the picture that many times as many pixels across.

#include <QApplication>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "play/game.h"
#include "tool/commands.h"
#include "tool/load_game.h"
#include "view/board_view.h"

namespace {

struct TRenderOptions {
    std::string Source;  // empty for the built-in sample
    bool HaveSource = false;
    std::string Out;
    int Width = 723;
    int Height = 440;
    int Unit = 0;  // 0: fit the board to the view
    double Scale = 1;  // device pixels per logical pixel
};

// Reports what the game would show in message boxes on standard error. The
// game is read before the view exists, so its painting goes nowhere; the
// picture is painted by the view itself afterwards.
class TRenderHost : public TQuietHost {
public:
    void ShowError(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "note: %s\n", text.c_str()); }
};

// A whole decimal number within minimum..maximum, nothing else.
std::optional<int> ParseNumber(const std::string& text, int minimum, int maximum)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end || value < minimum || value > maximum) return std::nullopt;
    return value;
}

// A decimal number such as 2 or 1.25 within minimum..maximum, nothing else.
std::optional<double> ParseDecimal(const std::string& text, double minimum, double maximum)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || at != end || !(value >= minimum && value <= maximum))
        return std::nullopt;
    return value;
}

// Fills options from args; the reason in why when they make no sense.
bool ParseOptions(const TArgs& args, TRenderOptions& options, std::string& why)
{
    // A view larger than this would need hundreds of megabytes for nothing.
    constexpr int kMaxSide = 8192;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        const bool hasValue = k + 1 < args.size();
        auto number = [&](int minimum, int maximum, int& into) {
            const std::optional<int> value = hasValue ? ParseNumber(args[++k], minimum, maximum) : std::nullopt;
            if (!value) {
                why = arg + " takes a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum);
                return false;
            }
            into = *value;
            return true;
        };
        if (arg == "--out") {
            if (!hasValue) {
                why = "--out takes the name of the picture";
                return false;
            }
            options.Out = args[++k];
        } else if (arg == "--width") {
            if (!number(1, kMaxSide, options.Width)) return false;
        } else if (arg == "--height") {
            if (!number(1, kMaxSide, options.Height)) return false;
        } else if (arg == "--unit") {
            if (!number(TViewControls::kUnitMin, TViewControls::kUnitMax, options.Unit)) return false;
        } else if (arg == "--scale") {
            const std::optional<double> value = hasValue ? ParseDecimal(args[++k], 0.5, 4) : std::nullopt;
            if (!value) {
                why = "--scale takes a number from 0.5 to 4, such as 1.5";
                return false;
            }
            options.Scale = *value;
        } else if (arg == "--sample" || (arg.rfind("--", 0) != 0 && !arg.empty())) {
            if (options.HaveSource) {
                why = "render takes one FILE or --sample";
                return false;
            }
            options.HaveSource = true;
            options.Source = arg == "--sample" ? std::string() : arg;
        } else {
            why = "unknown option '" + arg + "' for render";
            return false;
        }
    }
    if (!options.HaveSource) {
        why = "render takes one FILE or --sample";
        return false;
    }
    if (options.Out.empty()) {
        why = "render needs --out PNG";
        return false;
    }
    if (std::ceil(options.Width * options.Scale) > kMaxSide || std::ceil(options.Height * options.Scale) > kMaxSide) {
        why = "the picture would be larger than " + std::to_string(kMaxSide) + " pixels a side";
        return false;
    }
    return true;
}

// Writes the picture through a temporary file, so a failed write never leaves
// a broken picture under the chosen name.
bool SavePicture(const QImage& picture, const std::string& path, std::string& why)
{
    QSaveFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString().toStdString();
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        why = writer.errorString().toStdString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        why = file.errorString().toStdString();
        return false;
    }
    return true;
}

// Qt's remarks about the desktop session (no runtime folder, no session bus)
// mean nothing for a picture and would break the rule that a failure is one
// line starting "error: "; only its critical messages get through.
void ReportQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "quilorn-tool: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

int RunRender(const TArgs& args)
{
    TRenderOptions options;
    std::string why;
    if (!ParseOptions(args, options, why)) return UsageError(why);

    TRenderHost host;
    TGame game(host);
    const TLoadResult loaded = LoadGameForTool(game, options.Source);
    if (!loaded.Ok) {
        std::fprintf(stderr, "error: %s\n", loaded.Error.c_str());
        return ToolExit::kError;
    }
    PrintSkippedMovesNote(loaded);

    // The picture needs no display; without one Qt would refuse to start.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(ReportQtMessage);
    int argc = 1;
    char name[] = "quilorn-tool";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);

    // The ratio is the asked one, never the display's, so that a picture
    // does not depend on where the tool runs.
    TMyImage image(nullptr);
    image.SetPixelRatio(options.Scale);
    image.ResizeView(options.Width, options.Height);
    TPlainViewControls controls;
    TBoardView boardView(image, game.Board, controls);
    boardView.SetUpNewView();
    boardView.FitBoardToView();
    if (options.Unit != 0 && options.Unit != controls.TrackBarPosition()) {
        controls.SetTrackBarPosition(options.Unit);
        boardView.TrackBarUnitChange();
    }
    boardView.DrawBoard();

    if (!SavePicture(image.Bitmap(), options.Out, why)) {
        std::fprintf(stderr, "error: %s: %s\n", options.Out.c_str(), why.c_str());
        return ToolExit::kError;
    }
    return ToolExit::kOk;
}
