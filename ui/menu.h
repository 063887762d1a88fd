#pragma once
// The group of image buttons that every screen, dialog and scroll bar owns: an ordered list of
// buttons that load their pictures from the menu folder and share the menu's two sounds, laid out
// by the menu, run once per logic tick by Manage (which records the names of the hovered and the
// clicked button) and polled by their owner by name.

#include <memory>
#include <string>
#include <vector>

class TButton;
class TGameSound;

class TMenu {
 public:
  static inline const std::string SoundExt = ".wav";

  TMenu() = default;
  virtual ~TMenu() = default;
  TMenu(const TMenu&) = delete;
  TMenu& operator=(const TMenu&) = delete;

  std::vector<std::shared_ptr<TButton>> Buttons;  // in the order added
  float x = 0, y = 0;    // group's left and top edge
  float OX = 0, OY = 0;  // copies taken by StoreOriginalCoords
  int w = 0;             // width as last measured by CalcWidth
  int h = 0;             // column height (IncreaseHeight, CalcHeight)
  std::string MouseOverName;  // button under the pointer in the last Manage
  std::string ClickedName;    // button clicked in the last Manage
  std::shared_ptr<TGameSound> SoundMouseOver;
  std::shared_ptr<TGameSound> SoundClick;
  int NextY = 0;  // screen y of the next added button
  int Gap = 0;
  int AddGap = 0;
  int NoSound = 0;
  int Shadow = 0;
  float ShadowX = 3.0f, ShadowY = 3.0f, ShadowAlpha = 0.5f;
  int ClearClickedName = 1;
  int ClearMouseOverName = 0;
  int AcceptInput = 1;

  // A menu at (x, y) whose rows are `gap` pixels apart; sound names are loaded from the sound
  // folder with ".wav" ("" leaves a sound out).
  static std::shared_ptr<TMenu> Create(const std::string& mouseOverSound,
                                       const std::string& clickSound, float x, float y, int gap);
  virtual int Init(const std::string& mouseOverSound, const std::string& clickSound, float x,
                   float y, int gap);
  virtual int Kill();
  virtual int SetShadow(int on, float x, float y, float alpha);
  virtual int ChangeShadow(int on, float x, float y, float alpha);
  virtual int SetAlpha(float alpha);
  virtual int ResetShadow(int on, float x, float y, float alpha);
  virtual std::shared_ptr<TButton> AddNew(const std::string& image, const std::string& mouseOverImage,
                                          const std::string& name, int frameWidth, int frameHeight,
                                          int frames);
  virtual std::shared_ptr<TButton> DoAddNew(const std::string& image,
                                            const std::string& mouseOverImage,
                                            const std::string& name, int frameWidth,
                                            int frameHeight, int frames);
  virtual int IncreaseHeight(const std::shared_ptr<TButton>& button);
  virtual std::shared_ptr<TButton> AddQuick(const std::string& image, const std::string& name);
  virtual std::shared_ptr<TButton> AddQuickAuto(const std::string& image, const std::string& name);
  virtual int AddPair(const std::string& left, const std::string& right, int gap,
                      const std::string& prefix);
  virtual std::shared_ptr<TButton> FindButton(const std::string& name);
  virtual int StoreOriginalCoords();
  virtual int SetX(float newX);
  virtual int SetY(float newY);
  virtual int SetPairX(const std::string& left, const std::string& right, int newX);
  virtual int ScaleMenu(float sx, float sy);
  virtual int CalcCoords();
  virtual int CalcLeft();
  virtual int CalcTop();
  virtual int CalcWidth();
  virtual int CalcHeight();
  virtual int CentreHoriz();
  virtual int CentreVert();
  virtual int Centre();
  virtual int MakeRow(int gap);
  virtual int ClearGlow();
  virtual int ClearMouseClick();
  virtual int ClearMouseOver();
  virtual int Clicked(const std::string& name);
  virtual int MouseOver(const std::string& name);
  virtual int ManageNoSound();
  virtual int Precache();
  // Runs every button in list order and records the hovered and clicked names; 0 (and only fixed
  // glows fade) while the screen fade runs or AcceptInput is 0.
  virtual int Manage();
  virtual int ManageFixedGlowOnly();
  virtual int ManageScaleOnMO();
  virtual int Draw(float offsetX, float offsetY);

  // Appends a button made elsewhere (placed by its maker).
  void Add(const std::shared_ptr<TButton>& button) { Buttons.push_back(button); }
  int Count() const { return static_cast<int>(Buttons.size()); }
};

// Upper-cases the letters a to z only, as button names are stored and compared.
std::string UpperCaseName(const std::string& name);
