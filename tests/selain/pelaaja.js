// A player of the page in the browser: the DevTools session, the frames, the
// pointer, clicks on what the screenshots say, and the saves folder.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const KELLO = require('./kello');
const { Sanat, Etsi, Teksti } = require('./lukija');

// Serves the page's folder on 127.0.0.1 (a free port).
const TYYPIT = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };
function Palvelin(kansio) {
    const palvelin = http.createServer((pyynto, vastaus) => {
        const nimi = path.basename(decodeURIComponent(pyynto.url.split('?')[0]));
        fs.readFile(path.join(kansio, nimi), (virhe, tavut) => {
            if (virhe) {
                vastaus.writeHead(404);
                vastaus.end();
                return;
            }
            vastaus.writeHead(200, { 'Content-Type': TYYPIT[path.extname(nimi)] || 'application/octet-stream' });
            vastaus.end(tavut);
        });
    });
    return new Promise((valmis) => palvelin.listen(0, '127.0.0.1', () => valmis(palvelin)));
}

const Odota = (ms) => new Promise((r) => setTimeout(r, ms));
const VALI = 1000 / 120; // ms between the test clock's animation frames: a 120 Hz display

// One page of the game and what a player does on it.
class PELAAJA {
    // `artefaktit`: where screenshots are kept; `tarkista(nimi, ehto, selitys)`
    // reports a check; `kello`: false for the browser's own clock (frames then
    // are waited for in real time, for measuring).
    constructor(sivu, artefaktit, tarkista, kello = true) {
        this.sivu = sivu;
        this.artefaktit = artefaktit;
        this.tarkista = tarkista;
        this.kello = kello;
    }
    Arvo(lauseke) {
        return this.sivu.Arvo(lauseke);
    }
    // The cover's heading once the page has loaded; null when it never does.
    async Lataa(url, uudelleen) {
        // The page being left is marked, so that its cover is never taken for the new one's.
        await this.Arvo('window.__vanha = true');
        if (uudelleen) await this.sivu.Laheta('Page.reload');
        else await this.sivu.Laheta('Page.navigate', { url });
        // The download and the start of the module run on the real clock.
        for (let i = 0; i < 600; i++) {
            await Odota(200);
            let otsikko = null;
            try {
                otsikko = await this.Arvo(`(() => { const k = document.getElementById('kansi');
                    return window.__vanha || !k || k.hidden ? null : k.querySelector('.iso').textContent; })()`);
            } catch (e) {
                // the document changed under the question: asked again
            }
            if (otsikko === 'Click to play' || /cannot/.test(otsikko || '')) return otsikko;
        }
        return null;
    }
    async Kehyksia(n) {
        if (this.kello) return this.Arvo(`__kello.kehyksia(${n}, ${VALI})`);
        await Odota((n * 1000) / 60);
        return this.Askeleet();
    }
    Askeleet() {
        return this.Arvo('Module.tavio.askeleet()');
    }
    async Kangas() {
        return JSON.parse(await this.Arvo(`(() => { const c = document.getElementById('canvas');
            const r = c.getBoundingClientRect();
            return JSON.stringify({ x: r.left, y: r.top, w: r.width, h: r.height, lw: c.width, lh: c.height,
                lukittu: document.pointerLockElement === c, vw: innerWidth, vh: innerHeight }); })()`));
    }
    // The canvas as the player sees it, kept as an artefact, and its words.
    async Lue(nimi, vaalea) {
        // The pointer out of the way, in the bottom right corner: nothing is
        // hidden under it or coloured by it.
        let k = await this.Kangas();
        await this.Osoita(k.lw - 1, k.lh - 1);
        k = await this.Kangas();
        const r = await this.sivu.Laheta('Page.captureScreenshot', {
            format: 'png', clip: { x: k.x, y: k.y, width: k.w, height: k.h, scale: 1 },
        });
        const sanat = Sanat(Buffer.from(r.data, 'base64'), this.artefaktit, nimi, vaalea);
        sanat.kangas = k;
        sanat.kuva = `${this.artefaktit}/${nimi}.png`;
        return sanat;
    }
    // Puts the game's pointer on a point of the canvas (its pixels). With the
    // pointer locked the game moves it by the motion alone: first far up and left,
    // where it stops at the corner, then by the point's own distance from there.
    async Osoita(x, y) {
        const k = await this.Kangas();
        if (k.lukittu) {
            await this.sivu.Hiiri('mouseMoved', k.vw - 1, k.vh - 1);
            await this.sivu.Hiiri('mouseMoved', 0, 0);
            await this.sivu.Hiiri('mouseMoved', x, y);
            this.hiiri = [x, y];
        } else {
            this.hiiri = [k.x + x * (k.w / k.lw), k.y + y * (k.h / k.lh)];
            await this.sivu.Hiiri('mouseMoved', this.hiiri[0], this.hiiri[1]);
        }
        await this.Kehyksia(4);
    }
    // Clicks the words `lause` where they stand on the screenshot `sanat`.
    async Klikkaa(sanat, lause) {
        const laatikko = Etsi(sanat, lause);
        if (!this.tarkista(`"${lause}" is on the screen to click`, laatikko, Teksti(sanat))) return false;
        const s = sanat.kangas.lw / sanat.kangas.w;
        await this.Osoita(laatikko.kx * s, laatikko.ky * s);
        const [x, y] = this.hiiri;
        await this.sivu.Hiiri('mousePressed', x, y, 'left', { buttons: 1 });
        await this.Kehyksia(4);
        await this.sivu.Hiiri('mouseReleased', x, y, 'left');
        await this.Kehyksia(8);
        return true;
    }
    // Whether the page comes to the state within half a minute of the real clock
    // (the browser's own steps, such as entering full screen or decoding the
    // music, take their time, more on a busy machine).
    async Ehdolla(lauseke) {
        for (let i = 0; i < 300; i++) {
            if (await this.Arvo(lauseke)) return true;
            await Odota(100);
        }
        return false;
    }
    Tallennettu() {
        return this.Arvo('new Promise((r) => Module.tavio.synkronoi(r))');
    }
    Tiedosto(nimi) {
        return this.Arvo(`Array.from(FS.readFile(Module.tavio.TALLENTEET + '/${nimi}'))`);
    }
}

function Sisaltaa(sanat, lauseet) {
    return lauseet.filter((l) => !Etsi(sanat, l));
}

// A new tab of the browser, with the test's clock unless `kello` is false.
async function UusiPelaaja(selain, artefaktit, tarkista, kello = true) {
    const sivu = await selain.Sivu();
    await sivu.Laheta('Runtime.enable');
    await sivu.Laheta('Page.enable');
    if (kello) await sivu.Laheta('Page.addScriptToEvaluateOnNewDocument', { source: KELLO });
    return new PELAAJA(sivu, artefaktit, tarkista, kello);
}

module.exports = { Palvelin, PELAAJA, UusiPelaaja, Sisaltaa, Odota };
