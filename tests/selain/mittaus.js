// The browser version's frame rate in headless Chromium on this machine, on the
// browser's own clock: the main menu, then the first seconds of a Survivor
// flight. For the README's figures; not a test (it depends on the machine).
//
//   node mittaus.js PAGE_FOLDER [CHROMIUM] [SECONDS]
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { SELAIN } = require('./cdp');
const { Palvelin, UusiPelaaja, Odota } = require('./pelaaja');

const [JULKAISU, CHROMIUM = 'chromium', SEKUNTEJA = '10'] = process.argv.slice(2);
const tyo = fs.mkdtempSync(path.join(os.tmpdir(), 'tavio-mittaus-'));

async function Nopeus(p, sekunteja) {
    const a0 = await p.Askeleet(), t0 = Date.now();
    await Odota(sekunteja * 1000);
    return ((await p.Askeleet()) - a0) / ((Date.now() - t0) / 1000);
}

(async () => {
    const palvelin = await Palvelin(JULKAISU);
    const selain = new SELAIN(CHROMIUM);
    const p = await UusiPelaaja(selain, tyo, (nimi, ehto) => ehto || console.error('not found: ' + nimi), false);
    await p.Lataa(`http://127.0.0.1:${palvelin.address().port}/tavio.html`);
    const kansi = await p.Arvo('document.getElementById("kansi").getBoundingClientRect().toJSON()');
    await p.sivu.Klikkaa(kansi.x + kansi.width / 2, kansi.y + kansi.height / 2);
    await Odota(3000);
    const valikko = await Nopeus(p, +SEKUNTEJA);
    await p.Klikkaa(await p.Lue('valikko'), 'Take wing');
    await Odota(2000); // the one-second hold
    const survivor = await Nopeus(p, +SEKUNTEJA);
    console.log(`main menu: ${valikko.toFixed(1)} frames a second; Survivor: ${survivor.toFixed(1)}`);
    console.log(`load average: ${os.loadavg().map((x) => x.toFixed(2)).join(' ')}`);
    await selain.Sulje();
    palvelin.close();
    fs.rmSync(tyo, { recursive: true, force: true });
})();
