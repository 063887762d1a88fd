#pragma once
// The particle and morph effects of play. Free functions: the first of each chain is called by the
// play field or the play screen, the later steps run as particle callbacks (a phase's UserFunction
// or an animation's AnimStoppedFunction). Every particle goes into one of the global particle lists
// (gfx/globals.h), which the play screen moves and draws. Optional sparkles follow the detail
// setting Game->Particles: counts trunc(count * Particles / 100), intervals base * 100 / Particles
// ms, nothing at 0.

#include <memory>

class TCard;
class TColor;
class TGameImage;
class TParticle;
class TParticleGenerator;
class TParticleList;
class TSprite;

// ---- Tokens and floating texts ----
// A burst of warm sparkles at (x, y): `count` at full detail; wide 1 spreads it further.
int TokenParticlesMake(float x, float y, int count, int wide);
// The card's cash rising from it as digit pictures behind the currency sign. middle 0: the card's
// position is its top-left corner; otherwise it is the point to centre on.
int TokensTextMake(const std::shared_ptr<TCard>& card, int cash, int middle);
// Gives a new floating text its grow, hold, rise and fade, and makes it the current one.
int FadeFloatingText(const std::shared_ptr<TParticle>& particle);
// Cuts the current floating text short: it fades out within 150 ms.
int FadeCurrentTextParticle();
// The end of a floating text's last phase.
int KillCurrentTextParticle(TParticle& particle);
// A card a wild shot lifts off the layout rises away as a picture; the cards it covered are freed.
// Returns 1.
int FloatingCardParticle(const std::shared_ptr<TCard>& card, const std::shared_ptr<TGameImage>& image,
                         int frame, int mode);
// The top stock card spins off the screen as a penalty. 1, or 0 when the stock is empty.
int PenaltyStockMake();

// ---- Irons ----
// A card that reached the morph point above the bag changes into an iron and drops into the bag.
int CardToIronMorphStart(const std::shared_ptr<TCard>& card);
int CardToIronMorphAnimEnd(TSprite& morph);
int CardToIronMorphPlayBagSound(TParticle& iron);
// The iron lands: the player holds it and the card leaves the card list. 1 on the tutorial course.
int IronLandedInBag(TParticle& iron);
// Iron n rises out of the bag, changes back into a card and flies to the foundation (returnFlag 0)
// or back to its place in the stock (returnFlag 1, a mulligan). Returns 1.
int IronPlayed(int n, int returnFlag);
int IronToCardMorph(TParticle& iron);
int IronToCardMorphAnimEnd(TSprite& morph);
// A club swings out of the bag and breaks (the caller takes the iron away). Returns 1.
int IronParticleMake(int n);
int BreakClub(TParticle& club);

// ---- Hazards and wedges ----
// The taken wedge flies to the middle of the screen, grows, holds and fades; the sand cards only it
// covered sparkle.
int WedgeParticleMake(const std::shared_ptr<TCard>& card);
int WedgeSoundPlay(TParticle& wedge);
int SandCardSparkleMake(TParticleGenerator& generator);
// When no water card is left: the water-hazard-cleared text (replace 1: in place of the current
// floating text; 0: lower, beside a long-drive text), sound, remark and cheer.
int WaterHazardParticle(int replace);

// ---- Fireworks, sparkles and shuffle flashes ----
int FireworkParticlesMake(float x, float y, int count, const std::shared_ptr<TColor>& colour);
// Six sparkles along the bottom edge of the rectangle, into `list` (whatever the detail setting).
int DialogPixieDust(int x, int y, int w, int h, const std::shared_ptr<TParticleList>& list);
// The hole result image spins onto the middle of the screen.
int LevelEndParticle(const std::shared_ptr<TGameImage>& image);
int LevelEndParticleLandingSound(TParticle& particle);
// Sparkles from the End Drive button to the run readout.
int LongDriveButtonMakeParticles();
int LongDriveButtonSparkle(TParticleGenerator& generator);
// A random card face flashes in the middle of the screen while a wild shot shuffles.
int ShuffleParticleMake();
int ShuffleParticleKill();
