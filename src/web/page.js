// The page's script: reads the fields and the address, calls the computation (the program's
// C++ compiled to WebAssembly) and paints its drawing list on the canvas. It holds no
// geometry: every complaint, report and mark it shows comes from the computation.
'use strict';

var Module = {
  onRuntimeInitialized: function () {
    trikros.start();
  },
};

var trikros = (function () {
  var names = ['a1', 'b1', 'c1', 'a2', 'b2', 'c2'];
  var fieldIds = [];
  names.forEach(function (corner) {
    ['x', 'y', 'z'].forEach(function (axis) {
      fieldIds.push(corner + axis);
    });
  });
  var font = '"DejaVu Sans", Verdana, sans-serif';
  var canvas, context;
  var capitalShare = 0.73; // a capital's height in ems, measured at start
  var drawPending = false;
  var timings = {firstPicture: null, paints: [], newTasks: []};
  var noPicture = ''; // why the picture is empty, when it is
  var lastField = null; // the field the key row types into

  var language = 'sr-Latn'; // 'sr-Latn', 'sr-Cyrl' or 'en'
  var page = null; // the page's texts in its language, from the computation

  function element(id) {
    return document.getElementById(id);
  }
  function fields() {
    return fieldIds.map(element);
  }
  function call(name, returns, types, values) {
    return Module.ccall(name, returns, types || [], values || []);
  }

  // ---- The task and its answer ---------------------------------------------

  function showComplaints(complaints) {
    ['prvi', 'drugi'].forEach(function (triangle, t) {
      var list = element(triangle).querySelector('.greske');
      list.textContent = '';
      complaints.slice(9 * t, 9 * t + 9).forEach(function (complaint, k) {
        var field = element(fieldIds[9 * t + k]);
        field.setAttribute('aria-invalid', complaint ? 'true' : 'false');
        field.title = complaint;
        if (!complaint) return;
        var item = document.createElement('li');
        item.textContent = complaint;
        list.appendChild(item);
      });
    });
  }

  // The address holds the task shown, numbers separated by commas; nothing
  // when a field was refused, so that no one copies an older task.
  function showTask(reply) {
    var complete = reply.report !== '';
    var address = '#' + (complete ? reply.words.join(',') + '&' : '') + 'jezik=' + language;
    try {
      history.replaceState(null, '', address);
    } catch (error) {
      location.hash = complete ? address : '';
    }
    element('red').value = complete ? reply.words.join(' ') : '';
    element('red').setAttribute('aria-invalid', String(!complete));
    element('red-stanje').textContent = complete ? '' : page.texts.nepotpun;
    noPicture = complete ? '' : reply.picture;
    canvas.setAttribute('aria-label', reply.picture);
  }

  // The fixed case whose numbers the fields hold, or '' for another task.
  function caseShown() {
    var words = fields().map(function (field) {
      return field.value.trim();
    }).join('\n') + '\n';
    for (var number = 1; number <= 12; ++number) {
      if (call('trikros_fixed_case', 'string', ['number'], [number]) === words) return String(number);
    }
    return '';
  }

  // The exact answer under the report, as a student writes it: the kind, then
  // the corners in order, each as an exact fraction and as a decimal.
  function showAnswer(answer) {
    var block = element('tacno-resenje');
    block.hidden = !answer;
    if (!answer) return;
    block.querySelector('.vrsta').textContent = answer.heading;
    var list = block.querySelector('ol');
    list.textContent = '';
    answer.corners.forEach(function (corner) {
      var item = document.createElement('li');
      item.textContent = corner.letter + ' = ' + corner.exact +
        (corner.exact === corner.decimal ? '' : (corner.rounded ? ' \u2248 ' : ' = ') + corner.decimal);
      list.appendChild(item);
    });
  }

  // Answers the task in the fields; the address and the line to copy follow it.
  function answer(note) {
    var values = fields().map(function (field) {
      return field.value;
    });
    var reply = JSON.parse(call('trikros_answer', 'string', ['string'], [values.join('\n')]));
    showComplaints(reply.complaints);
    var notes = (note || '') + reply.notes;
    element('napomene').textContent = notes;
    element('napomene').hidden = notes === '';
    element('izvestaj').textContent = reply.report;
    showAnswer(reply.answer);
    element('objasnjenje').textContent = reply.explanation;
    element('objasni').hidden = false;
    showTask(reply);
    paint();
    return reply;
  }

  // A task in the address, trikros.html#4,5,0,...: eighteen numbers separated
  // as in a task file (blanks, commas or semicolons), put into the fields.
  // False when the address holds none.
  function fromAddress() {
    var asked = languageInAddress();
    if (asked && asked !== language) useLanguage(asked);
    var task = addressWithoutLanguage().join('&');
    if (!task) return false;
    try {
      task = decodeURIComponent(task);
    } catch (error) {
      // left as it is: the fields then show what was not understood
    }
    var split = JSON.parse(call('trikros_task_words', 'string', ['string'], [task]));
    fields().forEach(function (field, i) {
      field.value = split.words[i];
    });
    element('primeri').value = caseShown();
    answer(split.note);
    return true;
  }

  function fixedCase(number) {
    var numbers = call('trikros_fixed_case', 'string', ['number'], [number]).split('\n');
    fields().forEach(function (field, i) {
      field.value = numbers[i];
    });
  }

  // ---- Practice: a new task, and the student's own answer checked -------------


  function cornerWords() {
    return Array.from(element('moja-temena').querySelectorAll('input')).map(function (field) {
      return field.value;
    });
  }

  // A row of x, y and z for each corner the chosen kind has, keeping what was typed.
  function showAnswerFields() {
    var count = Number(element('moja-vrsta').value);
    var typed = cornerWords();
    var table = element('moja-temena');
    table.textContent = '';
    for (var k = 0; k < count; ++k) {
      var row = table.insertRow();
      var name = document.createElement('th');
      name.textContent = page.corners[k];
      row.appendChild(name);
      ['x', 'y', 'z'].forEach(function (axis, a) {
        var field = document.createElement('input');
        field.id = 'moje-' + page.corners[k] + axis;
        field.setAttribute('aria-label', page.corners[k] + '.' + axis);
        field.value = typed[3 * k + a] || '';
        row.insertCell().appendChild(field);
      });
    }
  }

  // A new task of the chosen kind in the fields: the picture shows the triangles alone, and the
  // report, the worked solution and the last verdict are put away.
  function newTask() {
    var started = performance.now();
    var seed = 1 + Math.floor(Math.random() * 999999);
    var reply = JSON.parse(call('trikros_new_task', 'string', ['string', 'number'],
                                [element('vrsta-zadatka').value, seed]));
    var about = element('o-zadatku');
    about.hidden = false;
    if (reply.complaint) {
      about.textContent = reply.complaint;
      return;
    }
    about.textContent = reply.about;
    fields().forEach(function (field, i) {
      field.value = reply.fields[i];
    });
    showComplaints(reply.fields.map(function () {
      return '';
    }));
    element('primeri').value = '';
    element('napomene').hidden = true;
    element('izvestaj').textContent = '';
    if (!element('objasnjenje').hidden) element('objasni').click();
    element('objasni').hidden = true;
    element('presuda').hidden = true;
    element('prikazi-resenje').hidden = true;
    try {
      history.replaceState(null, '', '#jezik=' + language);
    } catch (error) {
      // the address keeps the last task; nothing else depends on it
    }
    paint();
    timings.newTasks.push(performance.now() - started);
  }

  // The student's answer judged by the computation: what is right and what is not, sentence by
  // sentence; then the report and the worked solution may be shown.
  function check(event) {
    event.preventDefault();
    var values = fields().map(function (field) {
      return field.value;
    });
    var reply = JSON.parse(call('trikros_check', 'string', ['string', 'number', 'string'],
                                [values.join('\n'), Number(element('moja-vrsta').value),
                                 cornerWords().join('\n')]));
    var inputs = element('moja-temena').querySelectorAll('input');
    var complaints = element('odgovor').querySelector('.greske');
    complaints.textContent = '';
    reply.complaints.forEach(function (complaint, i) {
      inputs[i].setAttribute('aria-invalid', complaint ? 'true' : 'false');
      inputs[i].title = complaint;
      if (!complaint) return;
      var item = document.createElement('li');
      item.textContent = complaint;
      complaints.appendChild(item);
    });
    var verdict = element('presuda');
    verdict.textContent = '';
    reply.lines.forEach(function (line) {
      var item = document.createElement('li');
      item.textContent = line;
      verdict.appendChild(item);
    });
    verdict.className = reply.right ? 'tacno' : 'netacno';
    verdict.hidden = reply.lines.length === 0;
    element('prikazi-resenje').hidden = reply.lines.length === 0;
  }

  // A list's options anew in the page's language, the choice kept.
  function fillList(list, options) {
    var chosen = list.value;
    list.textContent = '';
    options.forEach(function (option) {
      list.add(new Option(option[1], option[0]));
    });
    if (chosen) list.value = chosen;
  }

  function startPractice() {
    showAnswerFields();
    element('novi-zadatak').addEventListener('click', newTask);
    element('moja-vrsta').addEventListener('change', showAnswerFields);
    element('odgovor').addEventListener('submit', check);
    element('prikazi-resenje').addEventListener('click', function () {
      answer();
      element('prikazi-resenje').hidden = true;
    });
    element('vezba').hidden = false;
  }

  // ---- The page's language ----------------------------------------------------

  var languages = ['sr-Latn', 'sr-Cyrl', 'en'];

  function languageInAddress() {
    var found = /(?:^#|&)jezik=([^&]*)/.exec(location.hash);
    return found && languages.indexOf(found[1]) >= 0 ? found[1] : '';
  }

  // The parts of the address after '#' but its language.
  function addressWithoutLanguage() {
    return location.hash.slice(1).split('&').filter(function (part) {
      return part && part.indexOf('jezik=') !== 0;
    });
  }

  // The address with the page's language in place of the one it had.
  function keepLanguageInAddress() {
    var rest = addressWithoutLanguage();
    try {
      history.replaceState(null, '', '#' + rest.concat(['jezik=' + language]).join('&'));
    } catch (error) {
      // a page that may not change its address keeps the language in storage
    }
  }

  // The address's language, else the one chosen before, else the first of the browser's
  // that the page speaks (Serbian in Cyrillic unless Latin is asked for, as the locales
  // have it; the languages written in Latin letters beside it in Latin), else English.
  function firstLanguage() {
    var kept = '';
    try {
      kept = localStorage.getItem('trikros-jezik') || '';
    } catch (error) {
      // storage refused (a private window): the browser's languages decide
    }
    if (languageInAddress()) return languageInAddress();
    if (languages.indexOf(kept) >= 0) return kept;
    var wanted = navigator.languages || [navigator.language || ''];
    for (var i = 0; i < wanted.length; ++i) {
      var tag = wanted[i].toLowerCase();
      if (/^sr\b/.test(tag)) return /latn/.test(tag) ? 'sr-Latn' : 'sr-Cyrl';
      if (/^(hr|bs|sh|cnr)\b/.test(tag)) return 'sr-Latn';
      if (/^en\b/.test(tag)) return 'en';
    }
    return 'en';
  }

  // Every text of the page in the language; the task shown is answered again in it.
  function useLanguage(code) {
    language = code;
    call('trikros_set_language', 'number', ['string'], [code]);
    page = JSON.parse(call('trikros_page_texts', 'string'));
    document.documentElement.lang = code;
    try {
      localStorage.setItem('trikros-jezik', code);
    } catch (error) {
      // the address keeps it all the same
    }
    document.querySelectorAll('[data-text]').forEach(function (item) {
      item.textContent = page.texts[item.dataset.text];
    });
    document.querySelectorAll('[data-label]').forEach(function (item) {
      item.setAttribute('aria-label', page.texts[item.dataset.label]);
    });
    document.querySelectorAll('[data-jezik]').forEach(function (button) {
      button.setAttribute('aria-pressed', String(button.dataset.jezik === code));
    });
    element('objasni').textContent =
        page.texts[element('objasnjenje').hidden ? 'prikaziObjasnjenje' : 'sakrijObjasnjenje'];
    var cases = page.cases.map(function (name, k) {
      return [String(k + 1), name];
    });
    fillList(element('primeri'), [['', page.texts.izaberite]].concat(cases));
    fillList(element('vrsta-zadatka'), page.kinds);
    fillList(element('moja-vrsta'), page.answers.map(function (name, count) {
      return [String(count), name];
    }));
    element('presuda').hidden = true;
    if (element('izvestaj').textContent || element('red').getAttribute('aria-invalid') === 'true') {
      answer();
    }
  }

  // ---- The picture ----------------------------------------------------------

  var painters = {
    polygon: function (context, m) {
      context.beginPath();
      for (var i = 3; i + 1 < m.length; i += 2) context.lineTo(m[i], m[i + 1]);
      context.closePath();
      context.globalAlpha = m[2];
      context.fillStyle = m[1];
      context.fill();
      context.globalAlpha = 1;
    },
    line: function (context, m) {
      context.beginPath();
      context.moveTo(m[4], m[5]);
      context.lineTo(m[6], m[7]);
      context.lineWidth = m[2];
      context.setLineDash(m[3] > 0 ? [m[3], m[3]] : []);
      context.strokeStyle = m[1];
      context.stroke();
      context.setLineDash([]);
    },
    dot: function (context, m) {
      context.beginPath();
      context.arc(m[3], m[4], m[2], 0, 2 * Math.PI);
      context.fillStyle = m[1];
      context.fill();
    },
    // The font at the label's capital height, smaller where the text would
    // run wider than the list allows; the halo first, then the letters.
    label: function (context, m, list) {
      var size = m[3] / capitalShare;
      context.font = size + 'px ' + font;
      var width = context.measureText(m[7]).width;
      if (width > m[4] && width > 0) context.font = (size * m[4]) / width + 'px ' + font;
      if (m[2]) {
        context.lineWidth = 0.42 * m[3];
        context.lineJoin = 'round';
        context.strokeStyle = list.halo;
        context.strokeText(m[7], m[5], m[6]);
      }
      context.fillStyle = m[1];
      context.fillText(m[7], m[5], m[6]);
    },
  };

  // Paints the list on a canvas's context, scaled to the canvas's pixels.
  function paintList(target, list) {
    var ratio = target.canvas.width / list.width;
    target.setTransform(ratio, 0, 0, ratio, 0, 0);
    target.fillStyle = list.background;
    target.fillRect(0, 0, list.width, list.height);
    target.lineCap = 'round';
    list.marks.forEach(function (mark) {
      painters[mark[0]](target, mark, list);
    });
  }

  function paint() {
    drawPending = false;
    var started = performance.now();
    var list = JSON.parse(call('trikros_draw', 'string'));
    paintList(context, list);
    if (noPicture) paintReason(list);
    timings.paints.push(performance.now() - started);
    if (timings.paints.length > 500) timings.paints.shift();
  }

  // Why the picture is empty, in the middle of the canvas, in lines that fit.
  function paintReason(list) {
    context.font = '16px ' + font;
    context.fillStyle = '#1a1a1a';
    context.textAlign = 'center';
    var lines = [''];
    noPicture.split(' ').forEach(function (word) {
      var longer = lines[lines.length - 1] + (lines[lines.length - 1] ? ' ' : '') + word;
      if (context.measureText(longer).width > list.width - 32 && lines[lines.length - 1]) {
        lines.push(word);
      } else {
        lines[lines.length - 1] = longer;
      }
    });
    lines.forEach(function (line, k) {
      context.fillText(line, list.width / 2, list.height / 2 + 22 * (k - (lines.length - 1) / 2));
    });
    context.textAlign = 'start';
  }

  function paintSoon() {
    if (drawPending) return;
    drawPending = true;
    requestAnimationFrame(paint);
  }

  // The canvas's pixels follow its size on the screen; a new size brings back
  // the first view, as a resized window does.
  function fit() {
    var width = Math.max(1, canvas.clientWidth), height = Math.max(1, canvas.clientHeight);
    var ratio = window.devicePixelRatio || 1;
    if (canvas.width === Math.round(width * ratio) && canvas.height === Math.round(height * ratio)) {
      return;
    }
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    call('trikros_resize', null, ['number', 'number'], [width, height]);
    paint();
  }

  function savePicture() {
    var now = new Date();
    var two = function (n) {
      return (n < 10 ? '0' : '') + n;
    };
    var name = 'trikros-' + now.getFullYear() + two(now.getMonth() + 1) + two(now.getDate()) +
      '-' + two(now.getHours()) + two(now.getMinutes()) + two(now.getSeconds()) + '.png';
    // The view on the screen, drawn anew for the file: 1600 x 1200 on white, without the hint.
    var list = JSON.parse(call('trikros_draw_file', 'string'));
    var file = document.createElement('canvas');
    file.width = list.width;
    file.height = list.height;
    paintList(file.getContext('2d'), list);
    file.toBlob(function (blob) {
      var link = document.createElement('a');
      link.href = URL.createObjectURL(blob);
      link.download = name;
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(function () {
        URL.revokeObjectURL(link.href);
      }, 10000);
    }, 'image/png');
  }

  // ---- Gestures ---------------------------------------------------------------

  // A left drag turns in space, as one finger does; Shift + drag or a right drag pans; a
  // middle drag (or left and right together) zooms; two fingers pinch to zoom.
  var pointers = new Map();
  var last = null; // where the drag's last step ended
  var spread = 0; // the two fingers' distance at the last step

  function fingerSpread() {
    var at = Array.from(pointers.values());
    return Math.hypot(at[0].x - at[1].x, at[0].y - at[1].y);
  }

  function onPointerDown(event) {
    canvas.focus();
    canvas.setPointerCapture(event.pointerId);
    pointers.set(event.pointerId, {x: event.clientX, y: event.clientY});
    last = {x: event.clientX, y: event.clientY};
    if (pointers.size === 2) spread = fingerSpread();
    event.preventDefault();
  }

  function onPointerMove(event) {
    if (!pointers.has(event.pointerId)) return;
    pointers.set(event.pointerId, {x: event.clientX, y: event.clientY});
    if (event.pointerType === 'touch' && pointers.size >= 2) {
      var now = fingerSpread();
      if (spread > 0 && now > 0) call('trikros_zoom', null, ['number'], [now / spread]);
      spread = now;
      paintSoon();
      return;
    }
    var dx = Math.round(event.clientX - last.x), dy = Math.round(event.clientY - last.y);
    if (dx === 0 && dy === 0) return;
    last = {x: last.x + dx, y: last.y + dy};
    var buttons = event.buttons;
    var both = [dx, dy];
    var types = ['number', 'number'];
    if (event.pointerType === 'touch') {
      call('trikros_turn', null, types, both);
    } else if (buttons & 4 || (buttons & 1 && buttons & 2)) {
      call('trikros_zoom_drag', null, ['number'], [dy]);
    } else if ((buttons & 1 && event.shiftKey) || buttons & 2) {
      call('trikros_pan', null, types, both);
    } else if (buttons & 1) {
      call('trikros_turn', null, types, both);
    } else {
      return;
    }
    paintSoon();
  }

  function onPointerUp(event) {
    pointers.delete(event.pointerId);
    var rest = Array.from(pointers.values());
    if (rest.length > 0) last = {x: rest[0].x, y: rest[0].y}; // one finger left: no jump
    spread = 0;
  }

  function onWheel(event) {
    event.preventDefault();
    var perNotch = event.deltaMode === 1 ? 3 : event.deltaMode === 2 ? 1 : 100;
    call('trikros_wheel', null, ['number'], [-event.deltaY / perNotch]);
    paintSoon();
  }

  // Keys act on the picture only while it has the focus: elsewhere arrows
  // scroll the page and letters are typed, as on every page.
  function onKey(event) {
    if (event.target !== canvas) return;
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key === 's' || event.key === 'S') {
      savePicture();
    } else if (!call('trikros_key', 'number', ['string'], [event.key])) {
      return;
    }
    event.preventDefault();
    paintSoon();
  }

  // ---- Start ----------------------------------------------------------------

  function start() {
    canvas = element('platno');
    context = canvas.getContext('2d');
    context.font = '100px ' + font;
    var capital = context.measureText('H').actualBoundingBoxAscent;
    if (capital > 0) capitalShare = capital / 100;
    fit();
    // Fields a phone fills from its number keyboard (the key row adds what it lacks).
    fields().forEach(function (field) {
      field.setAttribute('inputmode', 'decimal');
      field.setAttribute('autocapitalize', 'off');
      field.spellcheck = false;
      field.addEventListener('focus', function () {
        lastField = field;
      });
    });
    // The language, then the task in the address, else the first example.
    useLanguage(firstLanguage());
    document.querySelectorAll('[data-jezik]').forEach(function (button) {
      button.addEventListener('click', function () {
        useLanguage(button.dataset.jezik);
        keepLanguageInAddress();
      });
    });
    if (!fromAddress()) {
      fixedCase(1);
      element('primeri').value = '1';
      answer();
    }
    timings.firstPicture = performance.now();

    element('unos').addEventListener('submit', function (event) {
      event.preventDefault();
      answer();
    });
    // The key row types into the field last used and leaves the focus there.
    element('unos').querySelectorAll('[data-znak]').forEach(function (key) {
      key.addEventListener('mousedown', function (event) {
        event.preventDefault();
      });
      key.addEventListener('click', function () {
        var field = lastField || fields()[0];
        field.setRangeText(key.dataset.znak, field.selectionStart, field.selectionEnd, 'end');
        field.focus();
        field.dispatchEvent(new Event('input', {bubbles: true}));
      });
    });
    element('kopiraj').addEventListener('click', function () {
      var line = element('red');
      var said = function (text) {
        element('red-stanje').textContent = text;
      };
      line.select();
      if (navigator.clipboard && line.value) {
        navigator.clipboard.writeText(line.value).then(function () {
          said(page.texts.kopiran);
        }, function () {
          said(page.texts.oznacen);
        });
      } else {
        said(line.value ? page.texts.oznacen : page.texts.nepotpun);
      }
    });
    // A field typed into no longer holds the example chosen.
    fields().forEach(function (field) {
      field.addEventListener('input', function () {
        element('primeri').value = '';
      });
    });
    element('primeri').addEventListener('change', function (event) {
      if (!event.target.value) return;
      fixedCase(Number(event.target.value));
      answer();
    });
    element('objasni').addEventListener('click', function (event) {
      var hidden = !element('objasnjenje').hidden;
      element('objasnjenje').hidden = hidden;
      event.target.textContent = page.texts[hidden ? 'prikaziObjasnjenje' : 'sakrijObjasnjenje'];
      event.target.setAttribute('aria-expanded', String(!hidden));
    });
    element('sacuvaj').addEventListener('click', savePicture);
    element('pocetni').addEventListener('click', function () {
      call('trikros_key', 'number', ['string'], ['Home']);
      paintSoon();
    });
    window.addEventListener('hashchange', fromAddress);
    new ResizeObserver(fit).observe(canvas);
    canvas.addEventListener('pointerdown', onPointerDown);
    canvas.addEventListener('pointermove', onPointerMove);
    canvas.addEventListener('pointerup', onPointerUp);
    canvas.addEventListener('pointercancel', onPointerUp);
    canvas.addEventListener('contextmenu', function (event) {
      event.preventDefault();
    });
    canvas.addEventListener('wheel', onWheel, {passive: false});
    document.addEventListener('keydown', onKey);
    startPractice();
    document.body.classList.add('spremno');
  }

  return {start: start, timings: timings};
})();
