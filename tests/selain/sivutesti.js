// The browser version in a real browser: headless Chromium (WebGL from
// SwiftShader) loads the page from a server on 127.0.0.1 and a player's session
// is played through the DevTools protocol, with the test's own clock (kello.js),
// so that every wait is a number of animation frames at 120 Hz.
//
//   node sivutesti.js PAGE_FOLDER ARTEFACT_FOLDER [CHROMIUM]
'use strict';
const fs = require('fs');
const path = require('path');
const { SELAIN } = require('./cdp');
const { Teksti, Alue } = require('./lukija');
const { Palvelin, UusiPelaaja, Sisaltaa, Odota } = require('./pelaaja');

const [JULKAISU, ARTEFAKTIT, CHROMIUM = 'chromium'] = process.argv.slice(2);
fs.mkdirSync(ARTEFAKTIT, { recursive: true });

let onnistui = 0, epaonnistui = 0;
function Tarkista(nimi, ehto, selitys) {
    if (ehto) onnistui++;
    else epaonnistui++;
    console.log(`${ehto ? 'ok  ' : 'FAIL'} ${nimi}${ehto || !selitys ? '' : ': ' + selitys}`);
    return ehto;
}

function TarkistaSanat(nimi, sanat, lauseet) {
    const puuttuu = Sisaltaa(sanat, lauseet);
    return Tarkista(nimi, puuttuu.length === 0, `missing ${JSON.stringify(puuttuu)} in: ${Teksti(sanat)}`);
}

const PAAVALIKKO = ['The Tavio', 'Take wing', 'Options', 'Video setup', 'Hall of Fame', 'Quit'];

// Loads the page and clicks its cover: the game starts, the pointer is locked.
async function Aloita(p, url, uudelleen) {
    const otsikko = await p.Lataa(url, uudelleen);
    Tarkista(`the ${uudelleen ? 'reloaded ' : ''}page offers "Click to play"`, otsikko === 'Click to play');
    const kansi = await p.Arvo('document.getElementById("kansi").getBoundingClientRect().toJSON()');
    await p.sivu.Klikkaa(kansi.x + kansi.width / 2, kansi.y + kansi.height / 2);
}

// The start, the frames, the main menu, "Options" and back.
async function Valikot(p, url) {
    await Aloita(p, url);
    const k = await p.Kangas();
    Tarkista('the click on the cover locks the pointer to the game', k.lukittu);
    Tarkista('the click starts the sound', (await p.Arvo('SDL.audioContext && SDL.audioContext.state')) === 'running');
    Tarkista("the canvas has the stored video mode's size (800 x 600 at first)", k.lw === 800 && k.lh === 600);

    // Steps: one a frame the game drew, at most 60 a second.
    const alussa = await p.Askeleet();
    const jalkeen = await p.Kehyksia(240);
    Tarkista('the game draws its frames: 120 steps in 240 frames at 120 Hz', jalkeen - alussa === 120,
        `${jalkeen - alussa} steps`);
    // The menu music decodes on the browser's own clock, then plays.
    Tarkista('the menu music plays through Web Audio', await p.Ehdolla(
        '!!(SDL.music.audio && !SDL.music.audio.paused && SDL.music.audio.webAudioNode)'));
    let sanat = await p.Lue('paavalikko');
    TarkistaSanat('the main menu shows its items', sanat, PAAVALIKKO);
    // The chosen plane spins left of the menu, on black.
    const kone = Alue(sanat.kuva, 0, 300, 250, 150), tyhja = Alue(sanat.kuva, 0, 450, 800, 150);
    Tarkista('the menu shows the spinning plane on black', kone.hajonta > 0.05 && tyhja.keski < 0.01,
        JSON.stringify([kone, tyhja]));

    // Freeing the pointer on a menu is Escape alone there: nothing happens.
    await p.Arvo('document.exitPointerLock()');
    await p.Kehyksia(8);
    sanat = await p.Lue('paavalikko-vapaana');
    TarkistaSanat('freeing the pointer on the main menu does nothing', sanat, PAAVALIKKO);

    await p.Klikkaa(sanat, 'Options');
    sanat = await p.Lue('asetukset');
    TarkistaSanat('"Options" opens the options', sanat,
        ['Options', 'Change the aeroplane', 'Game type', 'Survivor', 'Back to main menu']);
    await p.Klikkaa(sanat, 'Back to main menu');
    sanat = await p.Lue('paavalikko-2');
    TarkistaSanat('"Back to main menu" comes back', sanat, PAAVALIKKO);
    return sanat;
}

// Video setup: a mode for the next start, and full screen on the click.
async function Video(p, sanat) {
    await p.Klikkaa(sanat, 'Video setup');
    sanat = await p.Lue('video');
    TarkistaSanat('the video setup shows the mode', sanat, ['Video setup', '800 x 600', 'Windowed']);
    await p.Klikkaa(sanat, '800 x 600');
    await p.Klikkaa(sanat, 'Windowed');
    Tarkista('choosing "Full screen" takes the page to full screen on the click',
        await p.Ehdolla('document.fullscreenElement === document.getElementById("alue")'));
    sanat = await p.Lue('video-koko-naytto');
    TarkistaSanat('the video setup shows the choices', sanat, ['1024 x 768', 'Full screen']);
    await p.Klikkaa(sanat, 'Full screen');
    Tarkista('choosing "Windowed" leaves full screen', await p.Ehdolla('!document.fullscreenElement'));
    sanat = await p.Lue('video-2');
    // Turbo mode skips drawing after a frame slower than 1/72 s, and the
    // browser's frames are 1/60 s: it stays off, and the game goes on drawing.
    await p.Klikkaa(sanat, 'Turbo mode off');
    sanat = await p.Lue('video-turbo');
    TarkistaSanat('turbo mode stays off in the browser, and the menu is still drawn', sanat,
        ['Video setup', 'Turbo mode off', 'Back to main menu']);
    await p.Klikkaa(sanat, 'Back to main menu');
    await p.Tallennettu();
    const asetukset = await p.Tiedosto('Setup.sav');
    Tarkista('the changed settings are saved at once', asetukset.length === 12 && asetukset[0] === 2 &&
        asetukset[4] === 0, JSON.stringify(asetukset));
}

// A Survivor flight, steered with the mouse, ended by freeing the pointer, and
// the screens after it up to the Hall of Fame.
async function Lento(p) {
    let sanat = await p.Lue('paavalikko-3');
    await p.Klikkaa(sanat, 'Take wing');
    const alussa = await p.Askeleet();
    // The one-second hold before the flight: the page's frames go on (this very
    // call is answered by the page), and the game takes no step.
    await p.Kehyksia(60);
    Tarkista('the hold after "Take wing" takes no step, and the page stays alive',
        (await p.Askeleet()) === alussa);
    await p.Kehyksia(60 + 240); // the rest of the hold, then two seconds of flight
    sanat = await p.Lue('lento', true);
    TarkistaSanat('the flight shows its HUD', sanat, ['time', 'alt', 'Bubbles', 'Pick up']);
    // Seen from behind the plane: the sky above, the textured yard below.
    const taivas = Alue(sanat.kuva, 0, 0, 800, 150), maa = Alue(sanat.kuva, 0, 450, 800, 150);
    Tarkista('the flight shows the scene: sky above, the yard below', taivas.keski > 0.5 &&
        maa.keski > 0.15 && maa.hajonta > 0.05, JSON.stringify([taivas, maa]));
    for (let i = 0; i < 30; i++) {
        await p.sivu.Hiiri('mouseMoved', 300 + 4 * i, 300);
        await p.Kehyksia(2);
    }
    const lennetty = (await p.Askeleet()) - alussa;
    await p.Arvo('document.exitPointerLock()');
    await p.Kehyksia(8);
    sanat = await p.Lue('peli-ohi');
    TarkistaSanat('freeing the pointer ends the flight as Escape does', sanat,
        ['Game over', 'Name', 'To the summary']);
    Tarkista('the page says the pointer is free', /pointer is free/.test(await p.Arvo(
        'document.getElementById("tila").textContent')));
    Tarkista('the flight ran its steps', lennetty > 150, `${lennetty}`);
    await p.Klikkaa(sanat, 'To the summary');
    sanat = await p.Lue('yhteenveto');
    TarkistaSanat('the summary follows', sanat, ['Summary', 'Flight time']);
    await p.Klikkaa(sanat, 'Back to main menu');
    sanat = await p.Lue('paavalikko-4');
    await p.Klikkaa(sanat, 'Hall of Fame');
    sanat = await p.Lue('huippulista');
    TarkistaSanat('the Hall of Fame lists the flight', sanat, ['Hall of Fame', 'Survivor', 'times 1']);
    await p.Klikkaa(sanat, 'Back to main menu');
    await p.Tallennettu();
    const pisteet = await p.Tiedosto('Pisteet1.sav');
    Tarkista('the score table is saved when the result enters it',
        pisteet.length === 384 && pisteet[0] === 1, JSON.stringify(pisteet.slice(0, 8)));
}

// The step clock over the whole session: at most 60 steps in any second.
async function Tahti(p) {
    const kirjattu = await p.Arvo('__kello.askeleet()');
    const sekunnit = new Map();
    for (let i = 1; i < kirjattu.length; i++) {
        const s = Math.floor(kirjattu[i][0] / 1000);
        sekunnit.set(s, (sekunnit.get(s) || 0) + kirjattu[i][1] - kirjattu[i - 1][1]);
    }
    const suurin = Math.max(...sekunnit.values());
    Tarkista('at most 60 steps in every second at 120 Hz (and 60 in a full one)', suurin === 60,
        JSON.stringify([...sekunnit]));
}

// Reloaded: the settings and the scores are still there. Then Quit: the
// credits, and the page says the game has ended.
async function LatausJaLoppu(p, url) {
    await Aloita(p, url, true);
    await p.Kehyksia(60);
    const k = await p.Kangas();
    Tarkista('after a reload the game opens in the saved mode (1024 x 768)', k.lw === 1024 && k.lh === 768,
        `${k.lw} x ${k.lh}`);
    let sanat = await p.Lue('paavalikko-latauksen-jalkeen');
    await p.Klikkaa(sanat, 'Hall of Fame');
    sanat = await p.Lue('huippulista-latauksen-jalkeen');
    TarkistaSanat('after a reload the Hall of Fame still lists the flight', sanat,
        ['Hall of Fame', 'Survivor', 'times 1']);

    await p.Klikkaa(sanat, 'Back to main menu');
    sanat = await p.Lue('paavalikko-5');
    await p.Klikkaa(sanat, 'Quit');
    sanat = await p.Lue('lopputekstit');
    TarkistaSanat('"Quit" shows the credits', sanat, ['The game by', 'Musics by']);
    await p.Kehyksia(5 * 120 + 10);
    let loppu = null;
    for (let i = 0; i < 300 && !loppu; i++) {
        await Odota(100);
        loppu = await p.Arvo('(() => { const k = document.getElementById("kansi");' +
            ' return k.hidden ? null : k.textContent; })()');
    }
    Tarkista('after the credits the page says the game has ended and offers to start again',
        /has ended/.test(loppu || '') && /Start again/.test(loppu || ''), loppu);
    const r = await p.sivu.Laheta('Page.captureScreenshot', { format: 'png' });
    fs.writeFileSync(path.join(ARTEFAKTIT, 'loppunut.png'), Buffer.from(r.data, 'base64'));
}

async function Pelaa(url) {
    const selain = new SELAIN(CHROMIUM);
    try {
        const p = await UusiPelaaja(selain, ARTEFAKTIT, Tarkista);
        await Video(p, await Valikot(p, url));
        await Lento(p);
        await Tahti(p);
        await LatausJaLoppu(p, url);
        const virheet = p.sivu.konsoli.filter((r) => /^(error|exception)/.test(r));
        Tarkista('no error on the console', virheet.length === 0, virheet.join('\n'));
    } finally {
        await selain.Sulje();
    }
}

// A browser without WebGL gets a message instead of a black page.
async function IlmanWebGL(url) {
    const selain = new SELAIN(CHROMIUM, ['--disable-3d-apis']);
    try {
        const p = await UusiPelaaja(selain, ARTEFAKTIT, Tarkista);
        const otsikko = await p.Lataa(url);
        const teksti = await p.Arvo('document.getElementById("kansi").textContent');
        Tarkista('without WebGL the page says what is missing', /cannot/.test(otsikko || '') && /WebGL/.test(teksti),
            teksti);
        Tarkista('without WebGL the game is not loaded', !(await p.Arvo('!!window.FS')));
    } finally {
        await selain.Sulje();
    }
}

(async () => {
    const palvelin = await Palvelin(JULKAISU);
    const url = `http://127.0.0.1:${palvelin.address().port}/tavio.html`;
    try {
        await IlmanWebGL(url);
        await Pelaa(url);
    } catch (e) {
        Tarkista('the session ran to its end', false, e.stack);
    }
    palvelin.close();
    console.log(`${onnistui} passed, ${epaonnistui} failed`);
    process.exit(epaonnistui ? 1 : 0);
})();
