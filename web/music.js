// The page's music player and the show's clock. The soundtrack is decoded before the show
// starts; while a track plays, the clock is the audio clock itself, so the picture follows
// the sound over the whole show and after every jump.
'use strict';

Module.music = {
    context: null,
    buffer: null,
    source: null,
    offset: 0,     // seconds into the track: where it stands, or where the source started
    startedAt: 0,  // the audio clock when the playing source started
    starts: [],    // every offset a source started from (tests look at them)

    // The commands, in the show's order of verbs: open, play, play from, pause, stop, seek
    // to the start, close (the first, 0, is no command).
    command(verb, fromMs) {
        const verbs = [null, () => {}, () => this.play(), () => this.playFrom(fromMs / 1000),
                       () => this.pause(), () => this.pause(), () => { this.offset = 0; },
                       () => this.close()];
        if (verbs[verb]) verbs[verb]();
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
        source.connect(this.context.destination);
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

    // The show's clock in milliseconds: the audio clock while the audio runs, the page's
    // otherwise, joined where one takes over from the other so it never jumps. A stepped
    // clock (#step=MS in the address, for tests) moves MS at each reading instead.
    clockBase: 0,
    clockLast: 0,
    clockFromAudio: false,
    stepMs: null,
    clockMs() {
        if (this.stepMs !== null) {
            const now = this.clockLast;
            this.clockLast += this.stepMs;
            return now;
        }
        const fromAudio = this.context !== null && this.context.state === 'running';
        const raw = fromAudio ? this.context.currentTime * 1000 : performance.now();
        if (fromAudio !== this.clockFromAudio) {
            this.clockBase = this.clockLast - raw;
            this.clockFromAudio = fromAudio;
        }
        this.clockLast = Math.max(this.clockLast, raw + this.clockBase);
        return this.clockLast;
    },
};
