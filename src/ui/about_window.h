// The About window (frmabout): product title, version, description, copyright and addresses.
#pragma once

#include <functional>
#include <string>

#include "texts.h"
#include "ui/layout.h"

namespace vexor {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// "Version " and the three numbers joined by ".", each with exactly the digits it needs.
std::string FormatVersionLine(const ProgramVersion& version);

constexpr int kAboutClientWidth = 4770;
constexpr int kAboutClientHeight = 3045;
constexpr std::uint32_t kAboutAddressColor = 0xFF0000;  // pure blue as 0x00BBGGRR

enum AboutControlId : int {
    kAboutImageId = 301, kAboutSupportId, kAboutWebId, kAboutCopyrightId, kAboutDescriptionId, kAboutVersionId, kAboutTitleId,
};

constexpr ControlSpec kAboutLayout[] = {
    {kAboutImageId, "Image1", ControlKind::Picture, nullptr, 240, 240, 720, 720, -1, 0, FontKind::WindowDefault},
    {kAboutSupportId, "Label6", ControlKind::Label, kAboutSupportAddress, 1200, 2520, 3375, 255, -1, 0, FontKind::WindowDefault},
    {kAboutWebId, "Label5", ControlKind::Label, kAboutWebAddress, 1200, 2280, 3375, 255, -1, 0, FontKind::WindowDefault},
    {kAboutCopyrightId, "Label4", ControlKind::Label, kAboutCopyright, 1200, 1680, 3375, 495, -1, 0, FontKind::WindowDefault},
    {kAboutDescriptionId, "Label3", ControlKind::Label, kAboutDescription, 1200, 840, 3375, 735, -1, 0, FontKind::WindowDefault},
    {kAboutVersionId, "lblversion", ControlKind::Label, kVersionLabel, 1200, 480, 3375, 255, -1, 0, FontKind::WindowDefault},
    {kAboutTitleId, "Label1", ControlKind::Label, kApplicationTitle, 1200, 240, 3375, 255, -1, 0, FontKind::WindowDefault},
};

class AboutWindow {
public:
    // versionSource reads the program's own version resource.
    explicit AboutWindow(std::function<ProgramVersion()> versionSource) : versionSource_(std::move(versionSource)) {}

    // mabout_Click: one About window at a time; a new one runs its load step.
    void Show();
    // The user closed it: the next Show creates it anew.
    void Close();
    // The window could not be created: it counts as closed, and the user is told.
    void CreationFailed();

    bool IsOpen() const { return open_; }
    const std::string& VersionText() const { return versionText_; }

    std::function<void()> changed;
    std::function<void()> creationFailed;

private:
    void Form_Load() { versionText_ = FormatVersionLine(versionSource_()); }

    std::function<ProgramVersion()> versionSource_;
    bool open_ = false;
    std::string versionText_ = kVersionLabel;
};

}  // namespace vexor
