#pragma once
// The particle and morph effects of play that the play field starts.

#include <memory>

class TCard;
class TColor;
class TParticle;
class TParticleList;

// The morph of a collected iron card into the bag's iron; its end removes the card from CardList,
// gives the iron to the player and lets the play screen test for the end of the hole.
int CardToIronMorphStart(const std::shared_ptr<TCard>& card);
// Three pairs of sparkles along the lower edge of the rectangle, into `list`.
int DialogPixieDust(int x, int y, int w, int h, const std::shared_ptr<TParticleList>& list);
// One firework burst at (x, y) into the global Particles: count x Game->Particles / 100 streaks
// (ParticleImages[1]) and as many sparks (ParticleImages[2]), light-blended in the colour. Usable
// before the play screen has loaded (the intro puts its own pictures in those two entries).
int FireworkParticlesMake(float x, float y, int count, const TColor& colour);
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
// A burst of token sparkles at (x, y).
int TokenParticlesMake(float x, float y, int count, int wide);
// The amount floats up from the card.
int TokensTextMake(const std::shared_ptr<TCard>& card, int amount, int centred);
// The water-hazard-cleared sign when no water card is left on the layout.
int WaterHazardParticle(int flag);
// The found wedge's flight.
int WedgeParticleMake(const std::shared_ptr<TCard>& card);
