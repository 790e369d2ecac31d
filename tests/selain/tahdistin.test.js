// The step clock of the browser build (web/tahdistin.js) against displays of
// every common rate: a flight must last as long on each, and no second may hold
// more than 60 steps.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const TavioTahdistin = require('../../web/tahdistin.js');

// Steps in each whole second of `sekunteja` seconds of frames at `hz`, each
// frame moved by jitter(i) ms.
function Askeleet(hz, sekunteja, jitter) {
    const tahti = TavioTahdistin();
    const sekunnit = new Array(sekunteja).fill(0);
    for (let i = 0; i * 1000 / hz < sekunteja * 1000; i++) {
        const aika = 1000 + i * 1000 / hz + (jitter ? jitter(i) : 0);
        if (tahti(aika)) sekunnit[Math.min(sekunteja - 1, Math.floor((aika - 1000) / 1000))]++;
    }
    return sekunnit;
}

test('60 steps in every second at 60, 75, 90, 120, 144, 165 and 240 Hz', () => {
    for (const hz of [60, 75, 90, 120, 144, 165, 240]) {
        const s = Askeleet(hz, 10);
        for (const n of s) assert.ok(n === 60, `${hz} Hz: ${s}`);
    }
});

test('a 60 Hz display whose frames come a little early or late keeps all 60', () => {
    // Frames up to 0.8 ms off the grid, early and late in turn.
    const s = Askeleet(60, 10, (i) => (i % 2 ? -0.8 : 0.8) * ((i * 7919) % 5) / 4);
    for (const n of s) assert.ok(n >= 59 && n <= 60, String(s));
    assert.ok(s.reduce((a, b) => a + b) >= 599, String(s));
});

test('a display slower than 60 Hz gets a step every frame', () => {
    assert.deepStrictEqual(Askeleet(30, 3), [30, 30, 30]);
    assert.deepStrictEqual(Askeleet(50, 3), [50, 50, 50]);
});

test('after a stall (a hidden page) there is no burst of steps', () => {
    const tahti = TavioTahdistin();
    let aika = 0;
    for (let i = 0; i < 60; i++, aika += 1000 / 120) tahti(aika);
    aika += 5000; // five seconds without frames
    const jalkeen = [];
    for (let i = 0; i < 8; i++, aika += 1000 / 120) jalkeen.push(tahti(aika));
    assert.deepStrictEqual(jalkeen, [true, false, true, false, true, false, true, false]);
});
