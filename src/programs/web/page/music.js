// The page's music player. The soundtrack is decoded before the show starts; the show's
// commands start, move, pause and stop its playing (the program's music device hands them
// on), and while it plays the show's clock (clock.js) is its audio clock. Muting is the
// page's own, a gain the sound goes through: the show plays on as it was.
'use strict';

Module.music = {
    context: null,
    buffer: null,
    source: null,
    gain: null,
    muted: false,
    offset: 0,     // seconds into the track: where it stands, or where the source started
    startedAt: 0,  // the audio clock when the playing source started
    starts: [],    // every offset a source started from (tests look at them)

    // The show's commands, each by its verb's name as the program sends it; the program's
    // pageMusicVerbNames lists them all, and the page's tests check this table against it.
    commands: {
        open() {},
        play() { this.play(); },
        playFrom(fromMs) { this.playFrom(fromMs / 1000); },
        pause() { this.pause(); },
        stop() { this.pause(); },
        seekToStart() { this.offset = 0; },
        close() { this.close(); },
    },
    setContext(context) {
        this.context = context;
        this.gain = context.createGain();
        this.gain.connect(context.destination);
    },
    setMuted(muted) {
        this.muted = muted;
        if (this.gain) this.gain.gain.value = muted ? 0 : 1;
    },
    command(verb, fromMs) {
        if (Object.hasOwn(this.commands, verb)) this.commands[verb].call(this, fromMs);
    },
    play() {
        if (!this.source) this.start(this.offset);
    },
    playFrom(seconds) {
        this.stopSource();
        this.start(seconds);
    },
    pause() {
        if (!this.source) return;
        this.offset = this.position();
        this.stopSource();
    },
    close() {
        this.stopSource();
        this.offset = 0;
    },
    position() {
        return this.source ? this.offset + this.context.currentTime - this.startedAt : this.offset;
    },
    start(seconds) {
        this.offset = seconds;
        if (!this.buffer || seconds >= this.buffer.duration) return; // past the end: silence
        const source = this.context.createBufferSource();
        source.buffer = this.buffer;
        source.connect(this.gain);
        source.start(0, seconds);
        this.source = source;
        this.startedAt = this.context.currentTime;
        this.starts.push(seconds);
    },
    stopSource() {
        if (!this.source) return;
        this.source.stop();
        this.source.disconnect();
        this.source = null;
    },
};
