#pragma once
// The particle and morph effects of play that the play field starts.

#include <memory>

class TCard;
class TParticle;
class TParticleList;

// The morph of a collected iron card into the bag's iron; its end removes the card from CardList,
// gives the iron to the player and lets the play screen test for the end of the hole.
int CardToIronMorphStart(const std::shared_ptr<TCard>& card);
// Three pairs of sparkles along the lower edge of the rectangle, into `list`.
int DialogPixieDust(int x, int y, int w, int h, const std::shared_ptr<TParticleList>& list);
// Fades the play screen's current floating text out quickly, if there is one.
int FadeCurrentTextParticle();
// Gives a sign its float, hold and fade, and makes it the current floating text.
int FadeFloatingText(const std::shared_ptr<TParticle>& particle);
// The bag iron k becomes a card that flies to the foundation (or, for a mulligan, back to the
// stock).
int IronPlayed(int k, int mulligan);
// The end of that flight: a face-up iron card of value k sent to the foundation (or back to the
// stock), with the play field's card action counter set to its flight time.
int IronToCardEnd(int k, int mulligan);
// The card floats up as `image` (frame `frame`) and leaves the layout, uncovering by `mode`.
int FloatingCardParticle(const std::shared_ptr<TCard>& card, const std::shared_ptr<class TGameImage>& image,
                         int frame, int mode);
// A club swings at the bag and breaks: iron k is lost.
int IronParticleMake(int k);
// The hole's result picture spins in at the centre of the screen.
int LevelEndParticle(const std::shared_ptr<class TGameImage>& image);
// The stock's top card drops off the table: 1, or 0 when the stock is empty.
int PenaltyStockMake();
// A random card face spinning at the centre (the wild shot shuffle), and its removal.
int ShuffleParticleMake();
int ShuffleParticleKill();
// A burst of token sparkles at (x, y).
int TokenParticlesMake(float x, float y, int count, int wide);
// The amount floats up from the card.
int TokensTextMake(const std::shared_ptr<TCard>& card, int amount, int centred);
// The water-hazard-cleared sign when no water card is left on the layout.
int WaterHazardParticle(int flag);
// The found wedge's flight.
int WedgeParticleMake(const std::shared_ptr<TCard>& card);
