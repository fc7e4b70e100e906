// The show's clock in the page, read by the program at every frame (its clock device): the
// audio clock while the music's audio runs, so the picture follows the sound over the whole
// show and after every jump; the page's own clock otherwise; joined where one takes over
// from the other so it never jumps. A stepped clock (#step=MS in the address, for tests)
// moves MS at each reading instead.
'use strict';

Module.showClock = {
    base: 0,
    last: 0,
    fromAudio: false,
    stepMs: null,
    ms() {
        if (this.stepMs !== null) {
            const now = this.last;
            this.last += this.stepMs;
            return now;
        }
        const context = Module.music.context;
        const fromAudio = context !== null && context.state === 'running';
        const raw = fromAudio ? context.currentTime * 1000 : performance.now();
        if (fromAudio !== this.fromAudio) {
            this.base = this.last - raw;
            this.fromAudio = fromAudio;
        }
        this.last = Math.max(this.last, raw + this.base);
        return this.last;
    },
};
