#include "setup/setup_cq_ww_win32.h"

#include "res/control_window_ids.h"
#include "setup/thread_signals_win32.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 1600;
constexpr UINT kRefreshDelayMilliseconds = 300;

// The captions are code page 1251 texts (the Russian ones): shown as such on any system.
void SetText1251(HWND window, const std::string& text) {
  const int length = static_cast<int>(text.size());
  std::wstring wide(
      static_cast<size_t>(MultiByteToWideChar(1251, 0, text.data(), length, nullptr, 0)), L'\0');
  MultiByteToWideChar(1251, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
  SetWindowTextW(window, wide.c_str());
}

}  // namespace

Setup_CQ_WW::Setup_CQ_WW(PostedHostLink& host, WindowRefresh& refresh)
    : TopLevelDialog(IDD_SETUP_CQ_WW, kControlPositionKeys, contest.settings),
      host_(host),
      refresh_(refresh),
      settings_(contest, host) {}

Setup_CQ_WW::~Setup_CQ_WW() {
  extendedMultiplierWindow_.reset();
  multiplierWindow_.reset();
  areaWindow_.reset();
  Destroy();
}

INT_PTR Setup_CQ_WW::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise();
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
          // Esc, and Enter in the edit box, end the window as they end a dialog.
          Close();
          return TRUE;
        case IDC_MODE_CW:
        case IDC_MODE_SSB:
          if (HIWORD(wParam) == BN_CLICKED)
            ChooseLeg(LOWORD(wParam) == IDC_MODE_CW ? Leg::kCw : Leg::kSsb);
          return TRUE;
        case IDC_VIEW_AREA:
          if (HIWORD(wParam) == BN_CLICKED) ToggleWindow(View::kArea);
          return TRUE;
        case IDC_VIEW_DXCC:
          if (HIWORD(wParam) == BN_CLICKED) ToggleWindow(View::kDxcc);
          return TRUE;
        case IDC_VIEW_DXCC_EXTENDED:
          if (HIWORD(wParam) == BN_CLICKED) ToggleWindow(View::kDxccExtended);
          return TRUE;
        case IDC_AREA_CODE:
          if (HIWORD(wParam) == EN_CHANGE && !initialising_) {
            char text[100] = {};
            GetDlgItemTextA(hwnd(), IDC_AREA_CODE, text, sizeof text);
            settings_.StoreAreaCode(text);
          }
          return TRUE;
        default:
          return FALSE;
      }
    case WM_TIMER:
      if (wParam != kRefreshTimer) return FALSE;
      RefreshWindows();
      return TRUE;
    case kArmRefreshMessage:
      ArmRefresh();
      return TRUE;
    case kStopRefreshMessage:
      KillTimer(hwnd(), kRefreshTimer);
      return TRUE;
    case kLinkHostMessage:
      LinkHost();
      return TRUE;
    case kMakeWindowsMessage:
      MakeNextWindowPart();
      return TRUE;
    case WM_CLOSE:
      // Sent by the host's thread to stop the window thread.
      KillTimer(hwnd(), kRefreshTimer);
      if (ModuleUnloading()) LeaveWindowsToTheSystem();
      Close();
      return TRUE;
    default:
      if (const INT_PTR brush = background_.Colour(message, wParam)) return brush;
      return TopLevelDialog::HandleMessage(message, wParam, lParam);
  }
}

void Setup_CQ_WW::Initialise() {
  InitTopLevel();
  settings_.Load();
  ShowCaptions(settings_.Captions());
  ShowChoices();
  initialising_ = true;
  SetDlgItemTextA(hwnd(), IDC_AREA_CODE, settings_.choices().areaCodeText.c_str());
  initialising_ = false;
  if (!settings_.SendsAreaCode()) MoveLegBoxesForDxStation();
  MakeMultiplierWindows();
  // The window shows at once, however long the host takes to answer.
  PostMessageA(hwnd(), kLinkHostMessage, 0, 0);
  ArmRefresh();
}

void Setup_CQ_WW::LinkHost() {
  AskHost([this] {
    host_.Link();
    settings_.TellHostTheLeg();
  });
}

template <typename Work>
void Setup_CQ_WW::AskHost(Work work) {
  ++hostCalls_;
  work();
  --hostCalls_;
  if (hostCalls_ > 0 || !pendingLeg_ || WindowThreadStopRequested()) return;
  const Leg leg = *pendingLeg_;
  pendingLeg_.reset();
  ChooseLeg(leg);
}

void Setup_CQ_WW::ShowCaptions(const ControlCaptions& captions) {
  SetText1251(hwnd(), captions.window);
  SetText1251(GetDlgItem(hwnd(), IDC_VIEW_LABEL), captions.viewLabel);
  SetText1251(GetDlgItem(hwnd(), IDC_MODE_LABEL), captions.modeLabel);
}

void Setup_CQ_WW::ShowChoices() {
  const ControlChoices& choices = settings_.choices();
  const std::pair<int, int> boxes[] = {{IDC_MODE_CW, choices.modeCw},
                                       {IDC_MODE_SSB, choices.modeSsb},
                                       {IDC_VIEW_AREA, choices.viewArea},
                                       {IDC_VIEW_DXCC, choices.viewDxcc},
                                       {IDC_VIEW_DXCC_EXTENDED, choices.viewDxccExtended}};
  for (const auto& [id, value] : boxes) {
    CheckDlgButton(hwnd(), id, value != 0 ? BST_CHECKED : BST_UNCHECKED);
  }
}

// A station outside the UK and Ireland sends no area code: its controls go, and the leg
// boxes take their room (pixels).
void Setup_CQ_WW::MoveLegBoxesForDxStation() {
  for (const int id : {IDC_AREA_CODE_LABEL, IDC_AREA_CODE}) {
    EnableWindow(GetDlgItem(hwnd(), id), FALSE);
    ShowWindow(GetDlgItem(hwnd(), id), SW_HIDE);
  }
  MoveWindow(GetDlgItem(hwnd(), IDC_MODE_CW), 20, 25, 50, 30, TRUE);
  MoveWindow(GetDlgItem(hwnd(), IDC_MODE_SSB), 80, 25, 50, 30, TRUE);
}

void Setup_CQ_WW::ChooseLeg(Leg leg) {
  // The click shows at once, however long the host takes to answer.
  ShowLegBoxes(leg);
  ShowCaptions(settings_.CaptionsFor(leg));
  // Nothing interrupts what waits for the host: the click waits.
  if (hostCalls_ > 0) {
    pendingLeg_ = leg;
    return;
  }
  const bool switched = settings_.SwitchLeg(leg);
  if (switched) AskHost([&] { settings_.StartLeg(leg); });
  ShowCaptions(settings_.Captions());
  ShowChoices();
  if (switched) ArmRefresh();
}

void Setup_CQ_WW::ShowLegBoxes(Leg leg) {
  CheckDlgButton(hwnd(), IDC_MODE_CW, leg == Leg::kCw ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd(), IDC_MODE_SSB, leg == Leg::kSsb ? BST_CHECKED : BST_UNCHECKED);
}

// Each multiplier window is made once, hidden; closing a window hides it, opening shows it
// again where it was last left. What needs the system's loader lock, which the host holds
// while it unloads the plug-in, is made while the window thread starts: the DXCC window and
// the extended one with its tab control (which loads a cursor). The rest, the area grid and
// the extended window's pages, are boxes alone: they are made afterwards, a part per
// message, so that a close waits at most for one part; or at once when a window opens.
void Setup_CQ_WW::MakeMultiplierWindows() {
  areaWindow_ = std::make_unique<AreaCode>(contest.settings);
  multiplierWindow_ = std::make_unique<Multiplier>(contest.settings);
  extendedMultiplierWindow_ = std::make_unique<Multiplier_Mult>(contest.settings);
  multiplierWindow_->Create();
  extendedMultiplierWindow_->Create();
  PostMessageA(hwnd(), kMakeWindowsMessage, 0, 0);
}

void Setup_CQ_WW::MakeNextWindowPart() {
  if (WindowThreadStopRequested()) return;
  if (areaWindow_->hwnd() == nullptr) {
    if (!areaWindow_->Create()) return;
  } else if (extendedMultiplierWindow_->hwnd() == nullptr ||
             !extendedMultiplierWindow_->MakeNextPage()) {
    return;
  }
  PostMessageA(hwnd(), kMakeWindowsMessage, 0, 0);
}

TopLevelDialog& Setup_CQ_WW::WindowOf(View view) {
  switch (view) {
    case View::kArea:
      return *areaWindow_;
    case View::kDxcc:
      return *multiplierWindow_;
    case View::kDxccExtended:
      break;
  }
  return *extendedMultiplierWindow_;
}

bool& Setup_CQ_WW::OpenFlag(View view, OpenWindows& windows) {
  return view == View::kArea   ? windows.area
         : view == View::kDxcc ? windows.dxcc
                               : windows.dxccExtended;
}

// The open flag decides, not the box's tick.
void Setup_CQ_WW::ToggleWindow(View view) {
  if (OpenFlag(view, open_)) {
    ShowWindow(WindowOf(view).hwnd(), SW_HIDE);
    OpenFlag(view, open_) = false;
    settings_.SetView(view, false);
  } else if (OpenView(view)) {
    // The host is asked for what changed since.
    ArmRefresh();
  }
  ShowChoices();
}

bool Setup_CQ_WW::OpenView(View view) {
  TopLevelDialog& window = WindowOf(view);
  if (window.hwnd() == nullptr && !window.Create()) return false;
  window.Show();
  OpenFlag(view, open_) = true;
  settings_.SetView(view, true);
  // It shows what the others show, at once, without asking the host.
  OpenWindows opened;
  OpenFlag(view, opened) = true;
  Apply(refresh_.Shown(opened), opened);
  return true;
}

void Setup_CQ_WW::ArmRefresh() {
  SetTimer(hwnd(), kRefreshTimer, kRefreshDelayMilliseconds, nullptr);
}

void Setup_CQ_WW::RefreshWindows() {
  KillTimer(hwnd(), kRefreshTimer);
  // Fired within a wait for the host: the refresh comes once that wait is over.
  if (hostCalls_ > 0) {
    ArmRefresh();
    return;
  }
  if (!host_.linked()) return;
  const OpenWindows reopen = WindowsToReopen(settings_.wantedWindows(), OpenNow());
  if (reopen.area) OpenView(View::kArea);
  if (reopen.dxcc) OpenView(View::kDxcc);
  if (reopen.dxccExtended) OpenView(View::kDxccExtended);
  const OpenWindows asked = OpenNow();
  WindowUpdate update;
  AskHost([&] { update = refresh_.Run(host_, asked); });
  Apply(update, asked);
}

// The operator may have closed a window, or opened one, while the host was asked.
void Setup_CQ_WW::Apply(const WindowUpdate& update, const OpenWindows& madeFor) {
  const OpenWindows now = OpenNow();
  const OpenWindows open{madeFor.area && now.area, madeFor.dxcc && now.dxcc,
                         madeFor.dxccExtended && now.dxccExtended};
  if (open.dxcc && update.dxccCaption) multiplierWindow_->SetCaption(*update.dxccCaption);
  if (open.dxccExtended && update.dxccExtendedCaption) {
    extendedMultiplierWindow_->SetCaption(*update.dxccExtendedCaption);
  }
  if (open.area && update.areaCaption) areaWindow_->SetCaption(*update.areaCaption);
  // The button paints it when it next paints, at once on a contest band.
  if (open.dxcc && update.button) multiplierWindow_->button().SetState(*update.button);
  if (!update.onContestBand) return;
  if (open.area) MarkWorkedAreas(*areaWindow_, update.workedAreas);
  if (open.dxccExtended) MarkWorkedDxcc(*extendedMultiplierWindow_, update.workedDxcc);
  if (open.dxccExtended) extendedMultiplierWindow_->ShowCheckValues();
  if (open.area) areaWindow_->ShowCheckValues();
  if (open.dxcc) multiplierWindow_->button().Invalidate();
}

OpenWindows Setup_CQ_WW::OpenNow() {
  return open_;
}

void Setup_CQ_WW::Close() {
  KillTimer(hwnd(), kRefreshTimer);
  ended_ = true;
}
