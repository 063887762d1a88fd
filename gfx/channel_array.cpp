#include "gfx/channel_array.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/sound_bank.h"

namespace {

float SoundVolumeFactor() { return Game ? static_cast<float>(Game->SoundVolume) / 100.0f : 1.0f; }

}  // namespace

TGameChannelRef TGameChannel::Create() {
  auto channel = std::make_shared<TGameChannel>();
  channel->Channel = platform::AllocChannel();
  return channel;
}

int TGameChannel::Kill() {
  if (Channel) Channel->Stop();
  Channel = nullptr;
  return 0;
}

TChannelArrayRef TChannelArray::Create(int count) {
  auto pool = std::make_shared<TChannelArray>();
  for (int i = 0; i < count; ++i) pool->Channels.push_back(TGameChannel::Create());
  if (!pool->Channels.empty()) pool->Current = pool->Channels.back();
  return pool;
}

int TChannelArray::Kill() {
  for (auto& channel : Channels) channel->Kill();
  Channels.clear();
  Current = nullptr;
  return 0;
}

TGameChannelRef TChannelArray::GetChannel() {
  const int n = Count();
  if (n == 0) return nullptr;
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (Channels[i] == Current) start = i;
  // From the channel after Current round to the one before it; Current itself is not examined.
  // With no valid Current (a pool whose current channel was swapped out) every channel is tried.
  const int steps = start < 0 ? n : n - 1;
  for (int k = 1; k <= steps; ++k) {
    const int i = start < 0 ? k - 1 : (start + k) % n;
    const TGameChannelRef& c = Channels[i];
    if (!c->Channel) continue;
    const bool free = c->PlayWhenFinished == 0 || !c->Channel->Playing();
    if (free && c->Reserved == 0) {
      Current = c;
      return c;
    }
  }
  return nullptr;
}

TGameChannelRef TChannelArray::ChannelByIndex(int index) const {
  if (Channels.empty()) return nullptr;
  if (index <= 1) return Channels.front();
  if (index > Count()) return nullptr;
  return Channels[index - 1];
}

int TChannelArray::SetVolume(float factor) {
  const float volume = SoundVolumeFactor();
  for (const auto& c : Channels)
    if (c->Channel) c->Channel->SetVolume(c->OriginalVolume * factor * volume);
  return 0;
}

int TChannelArray::CountPlaying() const {
  int playing = 0;
  for (const auto& c : Channels)
    if (c->Channel && c->Channel->Playing()) ++playing;
  return playing;
}

float TChannelArray::BalanceVolumes(int extra) {
  const int total = extra + CountPlaying();
  float factor = 1.0f;
  if (total != 0) {
    factor = MaxVol / static_cast<float>(total);
    if (factor > 1.0f) factor = 1.0f;
  }
  SetVolume(factor);
  return factor;
}

int TChannelArray::Manage() {
  BalanceVolumes(0);
  return 0;
}

TGameChannelRef TChannelArray::PlayGameSound(const std::shared_ptr<TGameSound>& sound,
                                             TGameChannelRef channel, float volume, float pan) {
  if (!channel) {
    channel = GetChannel();
    if (!channel) return nullptr;
    // The slot goes to this play under a new channel object; whoever still holds the object of an
    // earlier play on this slot now holds a detached channel, so stopping it later cannot cut off
    // this sound.
    auto fresh = std::make_shared<TGameChannel>();
    fresh->Channel = std::move(channel->Channel);
    fresh->name = channel->name;
    fresh->Reserved = channel->Reserved;
    fresh->PlayWhenFinished = channel->PlayWhenFinished;
    fresh->OriginalVolume = channel->OriginalVolume;
    for (auto& slot : Channels)
      if (slot == channel) slot = fresh;
    Current = fresh;
    channel = fresh;
  }
  channel->OriginalVolume = volume;
  const float factor = BalanceVolumes(1);
  if (sound) {
    sound->volume = volume * factor;
    sound->PlayInChannel(channel->Channel, pan);
  }
  return channel;
}

int TChannelArray::StopGameChannel(const TGameChannelRef& channel) {
  if (!channel) return 0;
  bool found = false;
  for (auto it = Channels.begin(); it != Channels.end(); ++it) {
    if (*it == channel) {
      Channels.erase(it);
      found = true;
      break;
    }
  }
  // A channel no longer in the pool belongs to nobody's sound any more (or to another's): leave it.
  if (!found) return 0;
  if (channel->Channel) channel->Channel->Stop();
  auto fresh = TGameChannel::Create();
  Channels.push_back(fresh);
  Current = fresh;
  return 0;
}
