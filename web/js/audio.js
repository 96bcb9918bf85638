// SPDX-License-Identifier: GPL-2.0-or-later
// The Web Audio output behind the module's audio device (sound/web): one voice
// per sound buffer, played through a buffer source of its own into one gain
// (the mute control). The browser lets a page sound only after the user's
// first click or key, so the output opens then: until that, a looped sound
// asked to play waits for it and a single one is let go.
var Emberlux = window.Emberlux || {};

Emberlux.AudioOutput = class {
  constructor() {
    this.voices = new Map();
    this.next = 0;
    this.context = null;
    this.gain = null;
    this.muted = false;
  }

  unlock() {
    if (this.context) {
      if (this.context.state === 'suspended') this.context.resume();
      return;
    }
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    this.context = new Context();
    this.gain = this.context.createGain();
    this.gain.gain.value = this.muted ? 0 : 1;
    this.gain.connect(this.context.destination);
    for (const voice of this.voices.values()) {
      this.makeBuffer(voice);
      if (voice.playing) this.start(voice);
    }
  }

  // While the page is hidden the output sleeps with the fire.
  pause(paused) {
    if (!this.context) return;
    if (paused) {
      this.context.suspend();
      return;
    }
    this.context.resume().then(() => {
      for (const voice of this.voices.values()) if (voice.playing && !voice.node) this.start(voice);
    });
  }

  setMuted(muted) {
    this.muted = muted;
    if (this.gain) this.gain.gain.value = muted ? 0 : 1;
  }

  addVoice(channels, rate, bits) {
    const id = this.next++;
    this.voices.set(id, { channels, rate, bits, samples: null, buffer: null, node: null, playing: false, looped: false });
    return id;
  }

  removeVoice(id) {
    this.stop(id);
    this.voices.delete(id);
  }

  // The wave's bytes, 8-bit unsigned or 16-bit signed little-endian, interleaved.
  fill(id, bytes) {
    const voice = this.voices.get(id);
    if (!voice || (voice.bits !== 8 && voice.bits !== 16)) return false;
    const width = voice.bits / 8, frames = Math.floor(bytes.length / (width * voice.channels));
    const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.length);
    voice.samples = [];
    for (let c = 0; c < voice.channels; ++c) {
      const channel = new Float32Array(frames);
      for (let i = 0; i < frames; ++i) {
        const at = (i * voice.channels + c) * width;
        channel[i] = width === 1 ? (view.getUint8(at) - 128) / 128 : view.getInt16(at, true) / 32768;
      }
      voice.samples.push(channel);
    }
    if (this.context) this.makeBuffer(voice);
    return true;
  }

  makeBuffer(voice) {
    if (!voice.samples || !voice.samples[0].length) return;
    voice.buffer = this.context.createBuffer(voice.channels, voice.samples[0].length, voice.rate);
    voice.samples.forEach((channel, c) => voice.buffer.copyToChannel(channel, c));
  }

  play(id, looped) {
    const voice = this.voices.get(id);
    if (!voice || voice.playing) return;
    voice.looped = looped;
    if (this.context && this.context.state === 'running') this.start(voice);
    else voice.playing = looped;
  }

  start(voice) {
    if (!voice.buffer) return;
    const node = this.context.createBufferSource();
    node.buffer = voice.buffer;
    node.loop = voice.looped;
    node.connect(this.gain);
    node.onended = () => {
      if (voice.node !== node) return;
      voice.node = null;
      voice.playing = false;
    };
    node.start();
    voice.node = node;
    voice.playing = true;
  }

  stop(id) {
    const voice = this.voices.get(id);
    if (!voice) return;
    voice.playing = false;
    if (voice.node) {
      const node = voice.node;
      voice.node = null;
      node.stop();
    }
  }

  playing(id) {
    const voice = this.voices.get(id);
    return !!voice && voice.playing;
  }
};
